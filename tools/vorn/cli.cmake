# vorn, the archive tool. Its logic lives in a library so that the tests can drive it without
# starting processes; main.cc only wires the process's streams to it.
add_library(brontel_vorn_cli STATIC
  ${CMAKE_CURRENT_LIST_DIR}/archive_file.cc
  ${CMAKE_CURRENT_LIST_DIR}/archive_writer.cc
  ${CMAKE_CURRENT_LIST_DIR}/console.cc
  ${CMAKE_CURRENT_LIST_DIR}/create_command.cc
  ${CMAKE_CURRENT_LIST_DIR}/extract_command.cc
  ${CMAKE_CURRENT_LIST_DIR}/host_files.cc
  ${CMAKE_CURRENT_LIST_DIR}/list_command.cc
  ${CMAKE_CURRENT_LIST_DIR}/options.cc
  ${CMAKE_CURRENT_LIST_DIR}/run.cc
  ${CMAKE_CURRENT_LIST_DIR}/test_command.cc
  # The host's terminal query; a Windows build picks its own file here.
  ${CMAKE_CURRENT_LIST_DIR}/terminal_posix.cc)
target_link_libraries(brontel_vorn_cli PUBLIC brontel_archive brontel_platform brontel_vorn_encoders)

add_executable(vorn ${CMAKE_CURRENT_LIST_DIR}/main.cc)
target_link_libraries(vorn PRIVATE brontel_vorn_cli)

add_executable(vorn_tests
  ${CMAKE_CURRENT_LIST_DIR}/tests/archive_writer_test.cc
  ${CMAKE_CURRENT_LIST_DIR}/tests/options_test.cc
  ${CMAKE_CURRENT_LIST_DIR}/tests/list_format_test.cc
  ${CMAKE_CURRENT_LIST_DIR}/tests/commands_test.cc)
target_link_libraries(vorn_tests PRIVATE brontel_vorn_cli brontel_platform_testing GTest::gtest_main)
gtest_discover_tests(vorn_tests)
