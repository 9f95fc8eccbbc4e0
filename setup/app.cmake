# brontel-setup, the installer: the main window and the extraction dialog with their resources,
# and the payload archive as TVONDRAL/DATA.
add_executable(brontel-setup
  ${CMAKE_CURRENT_LIST_DIR}/app_main.cc
  ${CMAKE_CURRENT_LIST_DIR}/app_modules.cc)
target_link_libraries(brontel-setup PRIVATE brontel_setup_main brontel_setup_shell_link brontel_ui_qt)
brontel_add_resources(brontel-setup RESOURCES ${BRONTEL_MAIN_RESOURCES} ${BRONTEL_COPY_RESOURCES})
brontel_link_payload(brontel-setup)
