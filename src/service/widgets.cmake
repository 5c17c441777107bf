# plc_service: the "General setting" frame and the "Converter" tab.
add_library(plc_service STATIC
    ${CMAKE_CURRENT_LIST_DIR}/general_setting_frame.cpp
    ${CMAKE_CURRENT_LIST_DIR}/general_setting_frame.h
    ${CMAKE_CURRENT_LIST_DIR}/converter_tab.cpp ${CMAKE_CURRENT_LIST_DIR}/converter_tab.h
)
target_include_directories(plc_service PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(plc_service PUBLIC plc_service_logic plc_common plc_link Qt6::Widgets)
plc_target_options(plc_service)
