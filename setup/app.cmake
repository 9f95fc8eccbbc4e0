# brontel-setup, the installer. Later parts add their libraries to the link and their
# resources (the extraction dialog's layout, the payload archive) beside the main window's.
add_executable(brontel-setup
  ${CMAKE_CURRENT_LIST_DIR}/app_main.cc
  ${CMAKE_CURRENT_LIST_DIR}/app_modules.cc)
target_link_libraries(brontel-setup PRIVATE brontel_setup_main brontel_setup_shell_link brontel_ui_qt)
brontel_add_resources(brontel-setup RESOURCES ${BRONTEL_MAIN_RESOURCES})
