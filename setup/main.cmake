# The main window: the wizard's two panels over the gradient backdrop, and the program's
# start-up and shut-down order.

# Path helpers, free of the forms layer, for every part of the wizard.
add_library(brontel_setup_paths STATIC ${CMAKE_CURRENT_LIST_DIR}/paths.cc)
target_include_directories(brontel_setup_paths PUBLIC ${PROJECT_SOURCE_DIR})

add_library(brontel_setup_main STATIC
  ${CMAKE_CURRENT_LIST_DIR}/install_sequence.cc
  ${CMAKE_CURRENT_LIST_DIR}/main_form.cc
  ${CMAKE_CURRENT_LIST_DIR}/modules.cc
  ${CMAKE_CURRENT_LIST_DIR}/program.cc)
target_link_libraries(brontel_setup_main PUBLIC brontel_setup_paths brontel_gradient brontel_ui
                      brontel_platform)

# The resources the main window needs; every executable that shows it links them.
set(BRONTEL_MAIN_RESOURCES
  LAYOUT MAIN ${PROJECT_SOURCE_DIR}/resources/Main.layout
  PICTURE PRODUCT ${PROJECT_SOURCE_DIR}/resources/product.bmp
  ICON MAINICON ${PROJECT_SOURCE_DIR}/resources/icon.bmp)

add_executable(setup_main_tests
  ${CMAKE_CURRENT_LIST_DIR}/tests/copy_layout_test.cc
  ${CMAKE_CURRENT_LIST_DIR}/tests/main_form_test.cc
  ${CMAKE_CURRENT_LIST_DIR}/tests/modules_test.cc
  ${CMAKE_CURRENT_LIST_DIR}/tests/paths_test.cc
  ${CMAKE_CURRENT_LIST_DIR}/tests/program_test.cc)
target_link_libraries(setup_main_tests PRIVATE brontel_setup_main brontel_ui_qt brontel_ui_testing
                      brontel_qt_test_support
                      brontel_platform_testing GTest::gtest_main)
brontel_add_resources(setup_main_tests RESOURCES ${BRONTEL_MAIN_RESOURCES}
  LAYOUT COPY ${PROJECT_SOURCE_DIR}/resources/Copy.layout)
gtest_discover_tests(setup_main_tests PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)
