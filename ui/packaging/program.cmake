# vorlan_add_setup_program(<language> <language library> <desktop name> <desktop comment>)
# One program: ui/main.cpp with the language's build selector, its identity header, a Windows
# version resource and a .desktop file, all generated from identity.cmake.
include(GNUInstallDirs)
include(${CMAKE_CURRENT_LIST_DIR}/identity.cmake)

function(vorlan_add_setup_program language language_library desktop_name desktop_comment)
  set(target vorlan_setup_${language})
  set(VORLAN_INTERNAL_NAME ${target})
  set(VORLAN_ORIGINAL_FILENAME ${target}.exe)
  set(VORLAN_DESKTOP_NAME "${desktop_name}")
  set(VORLAN_DESKTOP_COMMENT "${desktop_comment}")
  set(generated ${CMAKE_CURRENT_BINARY_DIR}/${target}_generated)
  set(templates ${PROJECT_SOURCE_DIR}/ui/packaging)

  configure_file(${templates}/program_identity.h.in ${generated}/program_identity.h @ONLY)
  configure_file(${templates}/vorlan_setup.desktop.in ${generated}/${target}.desktop @ONLY)
  set(sources ${PROJECT_SOURCE_DIR}/ui/main.cpp
              ${PROJECT_SOURCE_DIR}/ui/lang/${language}/${language}_build.cpp)
  if(WIN32)
    configure_file(${templates}/version.rc.in ${generated}/version.rc @ONLY)
    list(APPEND sources ${generated}/version.rc)
  endif()

  add_executable(${target} WIN32 ${sources})
  target_include_directories(${target} PRIVATE ${generated})
  target_link_libraries(${target} PRIVATE vorlan_ui ${language_library} vorlan_serial_port)

  install(TARGETS ${target} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${generated}/${target}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
endfunction()
