include_guard(GLOBAL)

# Gives a platform test the default file system, or, in builds that do not have it yet, a
# stand-in that maps host paths through drive Z: only.
function(brontel_platform_test_file_system test_target)
  if(TARGET brontel_platform_file_system)
    target_link_libraries(${test_target} PRIVATE brontel_platform_file_system)
  else()
    target_sources(${test_target} PRIVATE
      ${PROJECT_SOURCE_DIR}/platform/tests/default_file_system_stub.cc)
  endif()
endfunction()
