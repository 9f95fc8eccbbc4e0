# The file system as the system sees it (Windows paths) over the host's. Only the POSIX
# implementation exists so far; a Windows build will choose its own sources here.
add_library(brontel_platform_fs STATIC
  ${CMAKE_CURRENT_LIST_DIR}/dos_time.cc
  ${CMAKE_CURRENT_LIST_DIR}/windows_path.cc
  ${CMAKE_CURRENT_LIST_DIR}/posix/drive_map.cc
  ${CMAKE_CURRENT_LIST_DIR}/posix/posix_file_handle.cc
  ${CMAKE_CURRENT_LIST_DIR}/posix/posix_file_system.cc)
target_link_libraries(brontel_platform_fs PUBLIC brontel_base)
target_link_libraries(brontel_platform INTERFACE brontel_platform_fs)

# Test helpers that other parts' tests link as well: a private drive map, a faulty file system.
add_library(brontel_platform_testing STATIC
  ${CMAKE_CURRENT_LIST_DIR}/testing/fault_file_system.cc
  ${CMAKE_CURRENT_LIST_DIR}/testing/temp_drive_map.cc)
target_link_libraries(brontel_platform_testing PUBLIC brontel_platform_fs)

add_executable(platform_fs_tests
  ${CMAKE_CURRENT_LIST_DIR}/tests/dos_time_test.cc
  ${CMAKE_CURRENT_LIST_DIR}/tests/drive_map_test.cc
  ${CMAKE_CURRENT_LIST_DIR}/tests/fault_file_system_test.cc
  ${CMAKE_CURRENT_LIST_DIR}/tests/posix_file_system_test.cc
  ${CMAKE_CURRENT_LIST_DIR}/tests/temp_drive_map_test.cc
  ${CMAKE_CURRENT_LIST_DIR}/tests/windows_path_test.cc)
target_link_libraries(platform_fs_tests PRIVATE brontel_platform_testing GTest::gtest_main)
gtest_discover_tests(platform_fs_tests)
