# The archive component: container layout, listing and expanding, resource opening.
add_library(brontel_archive_component STATIC
  ${CMAKE_CURRENT_LIST_DIR}/archive_format.cc
  ${CMAKE_CURRENT_LIST_DIR}/entry_checks.cc
  ${CMAKE_CURRENT_LIST_DIR}/string_list.cc
  ${CMAKE_CURRENT_LIST_DIR}/vondral.cc
  ${CMAKE_CURRENT_LIST_DIR}/vondral_expand.cc
  ${CMAKE_CURRENT_LIST_DIR}/vondral_headers.cc
  ${CMAKE_CURRENT_LIST_DIR}/vondral_resources.cc
  ${CMAKE_CURRENT_LIST_DIR}/vondral_scan.cc)
target_include_directories(brontel_archive_component PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(brontel_archive_component PUBLIC brontel_base brontel_platform)
if(TARGET brontel_archive_codec)
  target_link_libraries(brontel_archive_component PUBLIC brontel_archive_codec)
endif()
target_link_libraries(brontel_archive INTERFACE brontel_archive_component)
