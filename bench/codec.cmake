# Codec benchmarks. Not tests: run them by hand (see the top of codec_bench.cc).
find_package(PkgConfig QUIET)
if(PkgConfig_FOUND)
  pkg_check_modules(LHASA QUIET IMPORTED_TARGET liblhasa)
endif()

add_executable(codec_bench
  ${CMAKE_CURRENT_LIST_DIR}/bench_corpus.cc
  ${CMAKE_CURRENT_LIST_DIR}/codec_bench.cc
  ${PROJECT_SOURCE_DIR}/tools/vorn/tests/lha_member.cc)
target_link_libraries(codec_bench PRIVATE brontel_archive_codec brontel_vorn_encoders
  benchmark::benchmark)
if(LHASA_FOUND)
  target_sources(codec_bench PRIVATE ${CMAKE_CURRENT_LIST_DIR}/lhasa_reference_lib.cc)
  target_link_libraries(codec_bench PRIVATE PkgConfig::LHASA)
else()
  target_sources(codec_bench PRIVATE ${CMAKE_CURRENT_LIST_DIR}/lhasa_reference_none.cc)
endif()
