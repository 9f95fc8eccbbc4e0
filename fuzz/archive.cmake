# Fuzz targets of the archive component. With BRONTEL_FUZZ (preset "fuzz", clang) each becomes a
# libFuzzer program; in every build its saved corpus in corpus/<name>/ replays as a test.
function(brontel_archive_fuzz_target name)
  set(source ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/${name}.cc)
  set(corpus ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/corpus/${name})
  if(BRONTEL_FUZZ)
    add_executable(${name} ${source})
    target_link_libraries(${name} PRIVATE brontel_archive brontel_platform_testing)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  endif()
  add_executable(${name}_replay ${source} ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/archive_replay_test.cc)
  target_link_libraries(${name}_replay PRIVATE
    brontel_archive brontel_platform_testing GTest::gtest_main)
  target_compile_definitions(${name}_replay PRIVATE BRONTEL_CORPUS_DIR="${corpus}")
  gtest_discover_tests(${name}_replay TEST_PREFIX "${name}.")
endfunction()

brontel_archive_fuzz_target(fuzz_archive_list)
brontel_archive_fuzz_target(fuzz_archive_expand)
