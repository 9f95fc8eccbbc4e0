# The current user's registry view: the Wine prefix's user.reg or a built-in hive.
add_library(brontel_platform_registry STATIC
  ${CMAKE_CURRENT_LIST_DIR}/memory_registry_view.cc
  ${CMAKE_CURRENT_LIST_DIR}/registry.cc
  ${CMAKE_CURRENT_LIST_DIR}/ansi_code_page.cc
  ${CMAKE_CURRENT_LIST_DIR}/posix/current_user_hive.cc
  ${CMAKE_CURRENT_LIST_DIR}/posix/registry_view_default.cc
  ${CMAKE_CURRENT_LIST_DIR}/posix/user_reg_parser.cc)
target_link_libraries(brontel_platform_registry PUBLIC brontel_base)
target_link_libraries(brontel_platform_registry PUBLIC brontel_platform_fs)
target_link_libraries(brontel_platform INTERFACE brontel_platform_registry)

add_executable(platform_registry_tests
  ${CMAKE_CURRENT_LIST_DIR}/tests/ansi_code_page_test.cc
  ${CMAKE_CURRENT_LIST_DIR}/tests/current_user_hive_test.cc
  ${CMAKE_CURRENT_LIST_DIR}/tests/registry_test.cc
  ${CMAKE_CURRENT_LIST_DIR}/tests/user_reg_parser_test.cc)
target_link_libraries(platform_registry_tests PRIVATE brontel_platform_registry GTest::gtest_main)
target_link_libraries(platform_registry_tests PRIVATE brontel_platform_fs)
gtest_discover_tests(platform_registry_tests)
