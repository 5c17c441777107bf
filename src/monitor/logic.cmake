# plc_monitor_core: the exchanges kept, their texts and the CSV writer (QtCore and the link only).
add_library(plc_monitor_core STATIC
    ${CMAKE_CURRENT_LIST_DIR}/exchange_text.cpp ${CMAKE_CURRENT_LIST_DIR}/exchange_text.h
    ${CMAKE_CURRENT_LIST_DIR}/traffic_model.cpp ${CMAKE_CURRENT_LIST_DIR}/traffic_model.h
    ${CMAKE_CURRENT_LIST_DIR}/csv_file.cpp ${CMAKE_CURRENT_LIST_DIR}/csv_file.h
)
target_include_directories(plc_monitor_core PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(plc_monitor_core PUBLIC plc_common_core plc_link_core Qt6::Core)
plc_target_options(plc_monitor_core)
