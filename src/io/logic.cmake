# plc_io_logic: the widget-free I/O map (QtCore and the link only): the map and its choice
# rules, the 8-byte block, the table's text and the transfers.
add_library(plc_io_logic STATIC
    ${CMAKE_CURRENT_LIST_DIR}/io_map.cpp ${CMAKE_CURRENT_LIST_DIR}/io_map.h
    ${CMAKE_CURRENT_LIST_DIR}/io_block.cpp ${CMAKE_CURRENT_LIST_DIR}/io_block.h
    ${CMAKE_CURRENT_LIST_DIR}/io_table.cpp ${CMAKE_CURRENT_LIST_DIR}/io_table.h
    ${CMAKE_CURRENT_LIST_DIR}/io_transfer.cpp ${CMAKE_CURRENT_LIST_DIR}/io_transfer.h
)
target_include_directories(plc_io_logic PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(plc_io_logic PUBLIC plc_common_core plc_link_core Qt6::Core)
plc_target_options(plc_io_logic)
