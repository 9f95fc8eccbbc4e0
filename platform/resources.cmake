# Resources linked into modules, read in place (cmake/Resources.cmake links them).
add_library(brontel_platform_resources STATIC
  ${CMAKE_CURRENT_LIST_DIR}/resource_table_module.cc
  ${CMAKE_CURRENT_LIST_DIR}/resources.cc
  ${CMAKE_CURRENT_LIST_DIR}/posix/resource_modules.cc)
target_link_libraries(brontel_platform_resources PUBLIC brontel_base ${CMAKE_DL_LIBS})
target_link_libraries(brontel_platform INTERFACE brontel_platform_resources)

# A library loaded at run time, as a module named by the caller.
add_library(platform_resources_test_module MODULE)
brontel_add_resources(platform_resources_test_module
  RESOURCES Text Greeting tests/resources/module_greeting.txt)
brontel_add_resources(platform_resources_test_module
  RESOURCES Text Second tests/resources/module_second.txt)

# A resource that the build itself makes, as the payload archive is.
set(made_resource ${CMAKE_CURRENT_BINARY_DIR}/platform_resources_made.txt)
add_custom_command(OUTPUT ${made_resource}
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_LIST_DIR}/tests/resources/made.txt
          ${made_resource}
  DEPENDS ${CMAKE_CURRENT_LIST_DIR}/tests/resources/made.txt
  VERBATIM)

add_executable(platform_resources_tests ${CMAKE_CURRENT_LIST_DIR}/tests/resources_test.cc)
brontel_add_resources(platform_resources_tests
  RESOURCES TEST Hello tests/resources/hello.txt)
brontel_add_resources(platform_resources_tests
  RESOURCES TEST Empty tests/resources/empty.bin
            TVONDRAL DATA ${made_resource})
target_link_libraries(platform_resources_tests PRIVATE brontel_platform_resources GTest::gtest_main)
target_compile_definitions(platform_resources_tests PRIVATE
  BRONTEL_TEST_RESOURCES="${CMAKE_CURRENT_LIST_DIR}/tests/resources"
  BRONTEL_TEST_MODULE_NAME="$<TARGET_FILE_NAME:platform_resources_test_module>")
# The module is loaded by its bare name, found beside the test.
set_target_properties(platform_resources_test_module PROPERTIES
  LIBRARY_OUTPUT_DIRECTORY "$<TARGET_FILE_DIR:platform_resources_tests>")
add_dependencies(platform_resources_tests platform_resources_test_module)
gtest_discover_tests(platform_resources_tests)
