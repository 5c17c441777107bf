# plc_monitor: the "Traffic monitor" window.
add_library(plc_monitor STATIC
    ${CMAKE_CURRENT_LIST_DIR}/traffic_monitor.cpp ${CMAKE_CURRENT_LIST_DIR}/traffic_monitor.h
)
target_include_directories(plc_monitor PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(plc_monitor PUBLIC plc_monitor_core plc_common Qt6::Widgets)
plc_target_options(plc_monitor)
