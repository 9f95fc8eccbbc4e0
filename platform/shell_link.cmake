# The component-object layer and the shell's link object. The POSIX object writes shell link
# files itself, through the default file system and the 8-bit code page of the registry part.
add_library(brontel_platform_shell_link STATIC
  ${CMAKE_CURRENT_LIST_DIR}/posix/com.cc
  ${CMAKE_CURRENT_LIST_DIR}/posix/shell_link.cc
  ${CMAKE_CURRENT_LIST_DIR}/posix/shell_link_file.cc)
target_include_directories(brontel_platform_shell_link PUBLIC ${PROJECT_SOURCE_DIR})
# The code page conversion lives with the registry part.
target_link_libraries(brontel_platform_shell_link PUBLIC brontel_base brontel_platform_fs
  brontel_platform_registry)
target_link_libraries(brontel_platform INTERFACE brontel_platform_shell_link)

add_executable(platform_shell_link_tests
  ${CMAKE_CURRENT_LIST_DIR}/tests/shell_link_file_test.cc
  ${CMAKE_CURRENT_LIST_DIR}/tests/shell_link_test.cc)
target_link_libraries(platform_shell_link_tests PRIVATE brontel_platform brontel_platform_testing
  GTest::gtest_main)
gtest_discover_tests(platform_shell_link_tests)
