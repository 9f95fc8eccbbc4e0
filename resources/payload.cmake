# The payload archive: the five files of payload/ packed by vorn, in the order the installer
# expands them, with names that have no folder part.
set(BRONTEL_PAYLOAD_FILES Brontel.exe Brontel.hlp readme.txt SITES.INI versions.txt)
set(BRONTEL_PAYLOAD_ARCHIVE ${CMAKE_CURRENT_BINARY_DIR}/payload.vorn
    CACHE INTERNAL "The payload archive made by the build")

list(TRANSFORM BRONTEL_PAYLOAD_FILES PREPEND ${CMAKE_CURRENT_SOURCE_DIR}/payload/
     OUTPUT_VARIABLE payload_paths)
add_custom_command(OUTPUT ${BRONTEL_PAYLOAD_ARCHIVE}
  COMMAND $<TARGET_FILE:vorn> create -m lzh ${BRONTEL_PAYLOAD_ARCHIVE} ${BRONTEL_PAYLOAD_FILES}
  WORKING_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/payload
  DEPENDS vorn ${payload_paths}
  COMMENT "Packing the payload archive"
  VERBATIM)
add_custom_target(brontel_payload_archive DEPENDS ${BRONTEL_PAYLOAD_ARCHIVE})

# Links the payload into `target` (an executable or shared library) as resource TVONDRAL/DATA,
# where OpenResourceStream("data", "") finds it.
function(brontel_link_payload target)
  brontel_add_resources(${target}
    RESOURCES TVONDRAL DATA ${BRONTEL_PAYLOAD_ARCHIVE}
    DEPENDS brontel_payload_archive)
endfunction()

add_executable(payload_tests ${CMAKE_CURRENT_LIST_DIR}/tests/payload_test.cc)
brontel_link_payload(payload_tests)
target_link_libraries(payload_tests PRIVATE brontel_archive brontel_platform_testing
  GTest::gtest_main)
target_compile_definitions(payload_tests PRIVATE
  BRONTEL_PAYLOAD_DIR="${CMAKE_CURRENT_SOURCE_DIR}/payload")
gtest_discover_tests(payload_tests)
