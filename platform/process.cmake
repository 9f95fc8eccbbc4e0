# Starting programs detached, yielding the processor, the executable's own path, the text
# viewer.
add_library(brontel_platform_process STATIC
  ${CMAKE_CURRENT_LIST_DIR}/posix/posix_process.cc
  ${CMAKE_CURRENT_LIST_DIR}/posix/process_default.cc
  ${CMAKE_CURRENT_LIST_DIR}/posix/text_viewer.cc)
target_link_libraries(brontel_platform_process PUBLIC brontel_base)
target_link_libraries(brontel_platform_process PUBLIC brontel_platform_fs)
target_link_libraries(brontel_platform INTERFACE brontel_platform_process)

# A program for the tests to start: it reports its process, session and parent and then waits
# to be released.
add_executable(platform_process_test_helper ${CMAKE_CURRENT_LIST_DIR}/tests/process_test_helper.cc)
add_executable(platform_process_tests ${CMAKE_CURRENT_LIST_DIR}/tests/process_test.cc)
target_link_libraries(platform_process_tests PRIVATE brontel_platform_process GTest::gtest_main)
target_compile_definitions(platform_process_tests PRIVATE
  BRONTEL_PROCESS_TEST_HELPER="$<TARGET_FILE:platform_process_test_helper>")
add_dependencies(platform_process_tests platform_process_test_helper)
target_link_libraries(platform_process_tests PRIVATE brontel_platform_fs)
gtest_discover_tests(platform_process_tests)
