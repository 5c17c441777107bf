# plc_io: the frame on the "HW config" tab and its in-cell chooser.
add_library(plc_io STATIC
    ${CMAKE_CURRENT_LIST_DIR}/io_map_frame.cpp ${CMAKE_CURRENT_LIST_DIR}/io_map_frame.h
    ${CMAKE_CURRENT_LIST_DIR}/io_chooser.cpp ${CMAKE_CURRENT_LIST_DIR}/io_chooser.h
)
target_include_directories(plc_io PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(plc_io PUBLIC plc_io_logic plc_common Qt6::Widgets)
plc_target_options(plc_io)
