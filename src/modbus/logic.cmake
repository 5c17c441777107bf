# plc_modbus_logic: widget-free Modbus port logic (QtCore and the link only).
add_library(plc_modbus_logic STATIC
    ${CMAKE_CURRENT_LIST_DIR}/uart_port.cpp ${CMAKE_CURRENT_LIST_DIR}/uart_port.h
    ${CMAKE_CURRENT_LIST_DIR}/port_word.cpp ${CMAKE_CURRENT_LIST_DIR}/port_word.h
    ${CMAKE_CURRENT_LIST_DIR}/request_record.cpp ${CMAKE_CURRENT_LIST_DIR}/request_record.h
    ${CMAKE_CURRENT_LIST_DIR}/request_check.cpp ${CMAKE_CURRENT_LIST_DIR}/request_check.h
    ${CMAKE_CURRENT_LIST_DIR}/request_editing.cpp ${CMAKE_CURRENT_LIST_DIR}/request_editing.h
    ${CMAKE_CURRENT_LIST_DIR}/port_transfer.cpp ${CMAKE_CURRENT_LIST_DIR}/port_transfer.h
)
target_include_directories(plc_modbus_logic PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(plc_modbus_logic PUBLIC plc_common_core plc_link_core Qt6::Core)
plc_target_options(plc_modbus_logic)
