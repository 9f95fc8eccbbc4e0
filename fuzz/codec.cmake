# Fuzz targets of the method engine, and the replay of their saved corpus as an ordinary test.
set(codec_fuzz_targets fuzz_lzh_decode fuzz_rle_decode)
if(BRONTEL_FUZZ)
  # Comparison tracing guides the search through the engine; in the model and the encoder that
  # the targets hold it against, it would only slow each run down.
  foreach(helper brontel_codec_reference brontel_vorn_encoders)
    target_compile_options(${helper} PRIVATE -fno-sanitize-coverage=trace-cmp)
  endforeach()
  foreach(target ${codec_fuzz_targets})
    add_executable(${target} ${CMAKE_CURRENT_LIST_DIR}/${target}.cc)
    target_link_libraries(${target} PRIVATE brontel_codec_reference brontel_vorn_encoders)
    target_link_options(${target} PRIVATE -fsanitize=fuzzer)
  endforeach()
endif()

add_executable(codec_fuzz_replay_tests
  ${CMAKE_CURRENT_LIST_DIR}/codec_replay_test.cc
  ${CMAKE_CURRENT_LIST_DIR}/fuzz_lzh_decode.cc
  ${CMAKE_CURRENT_LIST_DIR}/fuzz_rle_decode.cc)
target_compile_definitions(codec_fuzz_replay_tests PRIVATE BRONTEL_FUZZ_REPLAY
  BRONTEL_FUZZ_CORPUS_DIR="${CMAKE_CURRENT_LIST_DIR}/corpus")
target_link_libraries(codec_fuzz_replay_tests PRIVATE brontel_codec_reference
  brontel_vorn_encoders GTest::gtest_main)
gtest_discover_tests(codec_fuzz_replay_tests)
