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
# The same archive in a library that the test loads by its bare name from beside itself.
add_library(payload_test_module MODULE)
brontel_link_payload(payload_test_module)
set_target_properties(payload_test_module PROPERTIES
  LIBRARY_OUTPUT_DIRECTORY "$<TARGET_FILE_DIR:payload_tests>")
add_dependencies(payload_tests payload_test_module)
target_compile_definitions(payload_tests PRIVATE
  BRONTEL_PAYLOAD_DIR="${CMAKE_CURRENT_SOURCE_DIR}/payload"
  BRONTEL_PAYLOAD_MODULE="$<TARGET_FILE_NAME:payload_test_module>")
gtest_discover_tests(payload_tests)
