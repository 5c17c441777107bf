# plc_onewire: the "1-wire" tab widget, its sensor dialog and the bus-search dialog
add_library(plc_onewire STATIC
    ${CMAKE_CURRENT_LIST_DIR}/one_wire_tab.cpp ${CMAKE_CURRENT_LIST_DIR}/one_wire_tab.h
    ${CMAKE_CURRENT_LIST_DIR}/sensor_dialog.cpp ${CMAKE_CURRENT_LIST_DIR}/sensor_dialog.h
    ${CMAKE_CURRENT_LIST_DIR}/bus_search_dialog.cpp ${CMAKE_CURRENT_LIST_DIR}/bus_search_dialog.h
)
target_include_directories(plc_onewire PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(plc_onewire PUBLIC plc_onewire_logic plc_common plc_link Qt6::Widgets)
plc_target_options(plc_onewire)
