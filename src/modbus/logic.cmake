# plc_modbus_logic: widget-free Modbus port logic (QtCore and the link only).
add_library(plc_modbus_logic STATIC
    ${CMAKE_CURRENT_LIST_DIR}/uart_port.cpp ${CMAKE_CURRENT_LIST_DIR}/uart_port.h
)
target_include_directories(plc_modbus_logic PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(plc_modbus_logic PUBLIC plc_common plc_link Qt6::Core)
plc_target_options(plc_modbus_logic)
