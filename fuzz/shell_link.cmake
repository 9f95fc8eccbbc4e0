# Fuzz target of the shell link file reader. With BRONTEL_FUZZ (preset "fuzz", clang) it becomes
# a libFuzzer program; in every build its saved corpus in corpus/<name>/ replays as a test.
set(shell_link_fuzz_source ${CMAKE_CURRENT_LIST_DIR}/fuzz_shell_link_read.cc)
if(BRONTEL_FUZZ)
  add_executable(fuzz_shell_link_read ${shell_link_fuzz_source})
  target_link_libraries(fuzz_shell_link_read PRIVATE brontel_platform_shell_link)
  target_link_options(fuzz_shell_link_read PRIVATE -fsanitize=fuzzer)
endif()
add_executable(fuzz_shell_link_read_replay ${shell_link_fuzz_source}
  ${CMAKE_CURRENT_LIST_DIR}/archive_replay_test.cc)
target_link_libraries(fuzz_shell_link_read_replay PRIVATE brontel_platform_shell_link
  GTest::gtest_main)
target_compile_definitions(fuzz_shell_link_read_replay PRIVATE
  BRONTEL_CORPUS_DIR="${CMAKE_CURRENT_LIST_DIR}/corpus/fuzz_shell_link_read")
gtest_discover_tests(fuzz_shell_link_read_replay TEST_PREFIX "fuzz_shell_link_read.")
