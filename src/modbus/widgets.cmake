# plc_modbus: the UART tab widget and its request dialog
add_library(plc_modbus STATIC
    ${CMAKE_CURRENT_LIST_DIR}/uart_tab.cpp ${CMAKE_CURRENT_LIST_DIR}/uart_tab.h
    ${CMAKE_CURRENT_LIST_DIR}/request_dialog.cpp ${CMAKE_CURRENT_LIST_DIR}/request_dialog.h
)
target_include_directories(plc_modbus PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(plc_modbus PUBLIC plc_modbus_logic plc_common plc_link Qt6::Widgets)
plc_target_options(plc_modbus)
