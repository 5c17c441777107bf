# plc_diag: the "Modbus diag" and "1-wire diag" tabs with their error-buffer tables.
add_library(plc_diag STATIC
    ${CMAKE_CURRENT_LIST_DIR}/diag_frames.cpp ${CMAKE_CURRENT_LIST_DIR}/diag_frames.h
    ${CMAKE_CURRENT_LIST_DIR}/modbus_diag_tab.cpp ${CMAKE_CURRENT_LIST_DIR}/modbus_diag_tab.h
    ${CMAKE_CURRENT_LIST_DIR}/one_wire_diag_tab.cpp ${CMAKE_CURRENT_LIST_DIR}/one_wire_diag_tab.h
)
target_include_directories(plc_diag PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(plc_diag PUBLIC plc_diag_logic plc_common plc_link Qt6::Widgets)
plc_target_options(plc_diag)
