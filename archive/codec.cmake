# The method engine: buffered body reading and writing, the LZH and RLE decoders, and the
# adaptive tree and offset code that the archive tool's encoder shares.
add_library(brontel_archive_codec STATIC
  ${CMAKE_CURRENT_LIST_DIR}/engine_io.cc
  ${CMAKE_CURRENT_LIST_DIR}/engine_yield.cc
  ${CMAKE_CURRENT_LIST_DIR}/lzh_decoder.cc
  ${CMAKE_CURRENT_LIST_DIR}/lzh_offset_code.cc
  ${CMAKE_CURRENT_LIST_DIR}/lzh_tree.cc
  ${CMAKE_CURRENT_LIST_DIR}/method_engine.cc
  ${CMAKE_CURRENT_LIST_DIR}/rle_decoder.cc)
target_include_directories(brontel_archive_codec PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(brontel_archive_codec PUBLIC brontel_base)
target_link_libraries(brontel_archive INTERFACE brontel_archive_codec)

# A plain, literal model of the engine that the tests and fuzzers hold the fast one against.
add_library(brontel_codec_reference STATIC
  ${CMAKE_CURRENT_LIST_DIR}/tests/reference_engine.cc
  ${CMAKE_CURRENT_LIST_DIR}/tests/recording_streams.cc)
target_include_directories(brontel_codec_reference PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(brontel_codec_reference PUBLIC brontel_archive_codec)

add_executable(archive_codec_tests
  ${CMAKE_CURRENT_LIST_DIR}/tests/lzh_decoder_test.cc
  ${CMAKE_CURRENT_LIST_DIR}/tests/lzh_golden_test.cc
  ${CMAKE_CURRENT_LIST_DIR}/tests/lzh_offset_code_test.cc
  ${CMAKE_CURRENT_LIST_DIR}/tests/lzh_tree_test.cc
  ${CMAKE_CURRENT_LIST_DIR}/tests/method_engine_test.cc
  ${CMAKE_CURRENT_LIST_DIR}/tests/rle_decoder_test.cc)
target_link_libraries(archive_codec_tests PRIVATE brontel_codec_reference GTest::gtest_main)
gtest_discover_tests(archive_codec_tests)
