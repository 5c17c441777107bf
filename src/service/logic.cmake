# plc_service_logic: widget-free service logic (QtCore and the link only): the restart and
# firmware-update hand-over, the converter's conversions and the loader of the conv library.
add_library(plc_service_logic STATIC
    ${CMAKE_CURRENT_LIST_DIR}/service_transfer.cpp ${CMAKE_CURRENT_LIST_DIR}/service_transfer.h
    ${CMAKE_CURRENT_LIST_DIR}/float_codec.h
    ${CMAKE_CURRENT_LIST_DIR}/conv_library.cpp ${CMAKE_CURRENT_LIST_DIR}/conv_library.h
    ${CMAKE_CURRENT_LIST_DIR}/converter.cpp ${CMAKE_CURRENT_LIST_DIR}/converter.h
)
target_include_directories(plc_service_logic PUBLIC ${CMAKE_CURRENT_LIST_DIR}
    $<TARGET_PROPERTY:conv,INTERFACE_INCLUDE_DIRECTORIES>)
target_link_libraries(plc_service_logic PUBLIC plc_common_core plc_link_core Qt6::Core)
# Not linked, loaded at run time: built whenever a program that may load it is.
add_dependencies(plc_service_logic conv)
plc_target_options(plc_service_logic)
