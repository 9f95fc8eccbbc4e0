# The install state shared by the installation sequence, the extraction and the shortcut.
add_library(brontel_setup_state STATIC ${CMAKE_CURRENT_LIST_DIR}/install_state.cc)
target_include_directories(brontel_setup_state PUBLIC ${PROJECT_SOURCE_DIR})
