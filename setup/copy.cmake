# The extraction dialog with its archive component and the driver that unpacks the payload; the
# installation sequence of the main window runs it and then makes the shortcut.
add_library(brontel_setup_copy STATIC
  ${CMAKE_CURRENT_LIST_DIR}/copy_form.cc
  ${CMAKE_CURRENT_LIST_DIR}/extract_payload.cc
  ${CMAKE_CURRENT_LIST_DIR}/file_checks.cc
  ${CMAKE_CURRENT_LIST_DIR}/vondral_component.cc)
target_include_directories(brontel_setup_copy PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(brontel_setup_copy PUBLIC brontel_setup_paths brontel_setup_state
  brontel_ui brontel_archive brontel_platform)
target_link_libraries(brontel_setup_main PUBLIC brontel_setup_copy brontel_setup_shell_link)

# The dialog's layout, for every executable that shows it.
set(BRONTEL_COPY_RESOURCES LAYOUT COPY ${PROJECT_SOURCE_DIR}/resources/Copy.layout)

# What the installation tests share: a private drive map with a Programs folder, the main
# window, a recording process, the installed files compared with the payload.
add_library(setup_install_testing STATIC ${CMAKE_CURRENT_LIST_DIR}/tests/install_fixture.cc)
target_link_libraries(setup_install_testing PUBLIC setup_link_testing brontel_setup_main brontel_ui_qt
  brontel_ui_testing brontel_platform_testing GTest::gtest)
target_compile_definitions(setup_install_testing PUBLIC
  BRONTEL_PAYLOAD_DIR="${PROJECT_SOURCE_DIR}/resources/payload")

# Installs for real from the payload that the installer itself carries.
add_executable(setup_install_tests
  ${CMAKE_CURRENT_LIST_DIR}/tests/copy_form_test.cc
  ${CMAKE_CURRENT_LIST_DIR}/tests/extract_payload_test.cc
  ${CMAKE_CURRENT_LIST_DIR}/tests/install_sequence_test.cc
  ${CMAKE_CURRENT_LIST_DIR}/tests/setup_run_test.cc
  ${CMAKE_CURRENT_LIST_DIR}/app_modules.cc)
target_link_libraries(setup_install_tests PRIVATE setup_install_testing brontel_qt_test_support
  GTest::gtest_main)
brontel_add_resources(setup_install_tests RESOURCES ${BRONTEL_MAIN_RESOURCES}
  ${BRONTEL_COPY_RESOURCES})
brontel_link_payload(setup_install_tests)
gtest_discover_tests(setup_install_tests PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)

# Damaged copies of the payload, each carried by a test program of its own as TVONDRAL/DATA:
# one entry's checksum off by one, and one entry renamed so that it climbs out of the folder.
add_executable(setup_make_test_payload ${CMAKE_CURRENT_LIST_DIR}/tests/make_test_payload.cc)
target_link_libraries(setup_make_test_payload PRIVATE brontel_archive_component)
foreach(damage bad_checksum climbing_name)
  if(damage STREQUAL "bad_checksum")
    set(change checksum)
  else()
    set(change "name=..\\outside.txt")
  endif()
  set(archive ${CMAKE_CURRENT_BINARY_DIR}/payload_${damage}.vorn)
  add_custom_command(OUTPUT ${archive}
    COMMAND setup_make_test_payload ${BRONTEL_PAYLOAD_ARCHIVE} ${archive} readme.txt ${change}
    DEPENDS setup_make_test_payload brontel_payload_archive ${BRONTEL_PAYLOAD_ARCHIVE}
    COMMENT "Damaging a copy of the payload: ${damage}"
    VERBATIM)
  add_executable(setup_${damage}_tests ${CMAKE_CURRENT_LIST_DIR}/tests/${damage}_test.cc)
  target_link_libraries(setup_${damage}_tests PRIVATE setup_install_testing
    brontel_qt_test_support GTest::gtest_main)
  brontel_add_resources(setup_${damage}_tests RESOURCES ${BRONTEL_MAIN_RESOURCES}
    ${BRONTEL_COPY_RESOURCES} TVONDRAL DATA ${archive})
  gtest_discover_tests(setup_${damage}_tests PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)
endforeach()
