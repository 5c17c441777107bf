# plc_onewire_logic: widget-free auxiliary port logic (QtCore and the link only).
add_library(plc_onewire_logic STATIC
    ${CMAKE_CURRENT_LIST_DIR}/aux_mode_word.cpp ${CMAKE_CURRENT_LIST_DIR}/aux_mode_word.h
    ${CMAKE_CURRENT_LIST_DIR}/sensor_record.cpp ${CMAKE_CURRENT_LIST_DIR}/sensor_record.h
    ${CMAKE_CURRENT_LIST_DIR}/sensor_check.cpp ${CMAKE_CURRENT_LIST_DIR}/sensor_check.h
    ${CMAKE_CURRENT_LIST_DIR}/sensor_editing.cpp ${CMAKE_CURRENT_LIST_DIR}/sensor_editing.h
    ${CMAKE_CURRENT_LIST_DIR}/aux_transfer.cpp ${CMAKE_CURRENT_LIST_DIR}/aux_transfer.h
    ${CMAKE_CURRENT_LIST_DIR}/bus_search.cpp ${CMAKE_CURRENT_LIST_DIR}/bus_search.h
)
target_include_directories(plc_onewire_logic PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(plc_onewire_logic PUBLIC plc_common_core plc_link_core Qt6::Core)
plc_target_options(plc_onewire_logic)
