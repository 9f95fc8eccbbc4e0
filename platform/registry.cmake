# The current user's registry view: the Wine prefix's user.reg or a built-in hive.
add_library(brontel_platform_registry STATIC
  ${CMAKE_CURRENT_LIST_DIR}/memory_registry_view.cc
  ${CMAKE_CURRENT_LIST_DIR}/registry.cc
  ${CMAKE_CURRENT_LIST_DIR}/posix/ansi_code_page.cc
  ${CMAKE_CURRENT_LIST_DIR}/posix/current_user_hive.cc
  ${CMAKE_CURRENT_LIST_DIR}/posix/registry_view_default.cc
  ${CMAKE_CURRENT_LIST_DIR}/posix/user_reg_parser.cc)
target_link_libraries(brontel_platform_registry PUBLIC brontel_base)
if(TARGET brontel_platform_file_system)
  target_link_libraries(brontel_platform_registry PUBLIC brontel_platform_file_system)
endif()
target_link_libraries(brontel_platform INTERFACE brontel_platform_registry)

include(${CMAKE_CURRENT_LIST_DIR}/tests/test_file_system.cmake)
add_executable(platform_registry_tests
  ${CMAKE_CURRENT_LIST_DIR}/tests/ansi_code_page_test.cc
  ${CMAKE_CURRENT_LIST_DIR}/tests/current_user_hive_test.cc
  ${CMAKE_CURRENT_LIST_DIR}/tests/registry_test.cc
  ${CMAKE_CURRENT_LIST_DIR}/tests/user_reg_parser_test.cc)
target_link_libraries(platform_registry_tests PRIVATE brontel_platform_registry GTest::gtest_main)
brontel_platform_test_file_system(platform_registry_tests)
gtest_discover_tests(platform_registry_tests)
