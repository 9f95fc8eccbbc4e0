# The Start Menu shortcut and the module that owns OLE for the program's run.
add_library(brontel_setup_shell_link STATIC
  ${CMAKE_CURRENT_LIST_DIR}/replace_extension.cc
  ${CMAKE_CURRENT_LIST_DIR}/shell_folder.cc
  ${CMAKE_CURRENT_LIST_DIR}/shell_link.cc)
target_include_directories(brontel_setup_shell_link PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(brontel_setup_shell_link PUBLIC brontel_setup_state brontel_platform
  brontel_base)

# Reads a link back field by field, for the shortcut and installation tests.
add_library(setup_link_testing STATIC ${CMAKE_CURRENT_LIST_DIR}/tests/link_reader.cc)
target_link_libraries(setup_link_testing PUBLIC brontel_setup_shell_link GTest::gtest)

add_executable(setup_shell_link_tests ${CMAKE_CURRENT_LIST_DIR}/tests/shell_link_module_test.cc)
target_link_libraries(setup_shell_link_tests PRIVATE setup_link_testing
  brontel_platform_testing GTest::gtest_main)
gtest_discover_tests(setup_shell_link_tests)
