# plc_service_logic: widget-free service logic (QtCore and the link only): the restart and
# firmware-update hand-over, the converter's conversions and the loader of the conv library.
add_library(plc_service_logic STATIC
    ${CMAKE_CURRENT_LIST_DIR}/service_transfer.cpp ${CMAKE_CURRENT_LIST_DIR}/service_transfer.h
    ${CMAKE_CURRENT_LIST_DIR}/float_codec.h
    ${CMAKE_CURRENT_LIST_DIR}/conv_library.cpp ${CMAKE_CURRENT_LIST_DIR}/conv_library.h
    ${CMAKE_CURRENT_LIST_DIR}/converter.cpp ${CMAKE_CURRENT_LIST_DIR}/converter.h
    ${CMAKE_CURRENT_LIST_DIR}/program_folders.cpp ${CMAKE_CURRENT_LIST_DIR}/program_folders.h
)
# An installed program finds its private folder at this path from its own folder.
file(RELATIVE_PATH private_from_bin
    ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_PREFIX}/${PLC_PRIVATE_LIBDIR})
set_property(SOURCE ${CMAKE_CURRENT_LIST_DIR}/program_folders.cpp APPEND PROPERTY
    COMPILE_DEFINITIONS PLC_PRIVATE_LIBDIR="${private_from_bin}")
target_include_directories(plc_service_logic PUBLIC ${CMAKE_CURRENT_LIST_DIR}
    $<TARGET_PROPERTY:conv,INTERFACE_INCLUDE_DIRECTORIES>)
target_link_libraries(plc_service_logic PUBLIC plc_common_core plc_link_core Qt6::Core)
# Not linked, loaded at run time: built whenever a program that may load it is.
add_dependencies(plc_service_logic conv)
plc_target_options(plc_service_logic)
