# plc_diag_logic: widget-free error-record texts and the error-buffer reader (QtCore and the
# link only).
add_library(plc_diag_logic STATIC
    ${CMAKE_CURRENT_LIST_DIR}/error_records.cpp ${CMAKE_CURRENT_LIST_DIR}/error_records.h
    ${CMAKE_CURRENT_LIST_DIR}/buffer_reader.cpp ${CMAKE_CURRENT_LIST_DIR}/buffer_reader.h
)
target_include_directories(plc_diag_logic PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(plc_diag_logic PUBLIC plc_common_core plc_link_core Qt6::Core)
plc_target_options(plc_diag_logic)
