# The encoders of the archive tool. The LZH encoder shares the adaptive tree and the offset code
# with the method engine, so both sides always update and read them alike.
add_library(brontel_vorn_encoders STATIC
  ${CMAKE_CURRENT_LIST_DIR}/lzh_encoder.cc
  ${CMAKE_CURRENT_LIST_DIR}/lzh_match_finder.cc
  ${CMAKE_CURRENT_LIST_DIR}/rle_encoder.cc
  ${CMAKE_CURRENT_LIST_DIR}/stored_encoder.cc)
target_include_directories(brontel_vorn_encoders PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(brontel_vorn_encoders PUBLIC brontel_archive_codec)

add_executable(vorn_encoders_tests
  ${CMAKE_CURRENT_LIST_DIR}/tests/encoders_test.cc
  ${CMAKE_CURRENT_LIST_DIR}/tests/lha_check_test.cc
  ${CMAKE_CURRENT_LIST_DIR}/tests/lha_member.cc)
target_link_libraries(vorn_encoders_tests PRIVATE brontel_vorn_encoders brontel_codec_reference
  GTest::gtest_main)
gtest_discover_tests(vorn_encoders_tests)
