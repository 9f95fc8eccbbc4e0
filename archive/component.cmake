# The archive component: container layout, listing and expanding, resource opening.
add_library(brontel_archive_component STATIC
  ${CMAKE_CURRENT_LIST_DIR}/archive_format.cc
  ${CMAKE_CURRENT_LIST_DIR}/entry_checks.cc
  ${CMAKE_CURRENT_LIST_DIR}/string_list.cc
  ${CMAKE_CURRENT_LIST_DIR}/vondral.cc
  ${CMAKE_CURRENT_LIST_DIR}/vondral_expand.cc
  ${CMAKE_CURRENT_LIST_DIR}/vondral_headers.cc
  ${CMAKE_CURRENT_LIST_DIR}/vondral_resources.cc
  ${CMAKE_CURRENT_LIST_DIR}/vondral_scan.cc)
target_include_directories(brontel_archive_component PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(brontel_archive_component PUBLIC brontel_base brontel_platform)
if(TARGET brontel_archive_codec)
  target_link_libraries(brontel_archive_component PUBLIC brontel_archive_codec)
endif()
target_link_libraries(brontel_archive INTERFACE brontel_archive_component)

# Builds archives byte by byte for tests (and fuzz seeds) without any encoder.
add_library(brontel_archive_testing STATIC ${CMAKE_CURRENT_LIST_DIR}/testing/archive_builder.cc)
target_link_libraries(brontel_archive_testing PUBLIC brontel_archive_component)

add_executable(archive_component_tests
  ${CMAKE_CURRENT_LIST_DIR}/tests/archive_format_test.cc
  ${CMAKE_CURRENT_LIST_DIR}/tests/component_fixture.cc
  ${CMAKE_CURRENT_LIST_DIR}/tests/entry_checks_test.cc
  ${CMAKE_CURRENT_LIST_DIR}/tests/expand_test.cc
  ${CMAKE_CURRENT_LIST_DIR}/tests/headers_test.cc
  ${CMAKE_CURRENT_LIST_DIR}/tests/space_and_folders_test.cc)
target_link_libraries(archive_component_tests PRIVATE
  brontel_archive brontel_archive_testing brontel_platform_testing GTest::gtest_main)
gtest_discover_tests(archive_component_tests)
