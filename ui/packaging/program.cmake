# vorlan_add_setup_program(<language> <language library>
#     WINDOW <language of the window, in English> OTHER <the other language's program>
#     NAME <menu name> NAME_ZH <menu name in Chinese>
#     COMMENT <menu comment> COMMENT_ZH <menu comment in Chinese>
#     [CAPTIONS <the window's button captions, for the manual page>])
# One program: ui/main.cpp with the language's build selector, its identity header, a Windows
# version resource, and for installing its .desktop file, AppStream data and manual page, all
# generated from identity.cmake and the templates.
include(GNUInstallDirs)
include(${CMAKE_CURRENT_LIST_DIR}/identity.cmake)
include(${PROJECT_SOURCE_DIR}/packaging/install_helpers.cmake)

function(vorlan_add_setup_program language language_library)
  cmake_parse_arguments(PARSE_ARGV 2 arg "" "WINDOW;OTHER;NAME;NAME_ZH;COMMENT;COMMENT_ZH;CAPTIONS"
                        "")
  set(target vorlan_setup_${language})
  set(VORLAN_PROGRAM ${target})
  string(TOUPPER ${target} VORLAN_PROGRAM_UPPER)
  set(VORLAN_INTERNAL_NAME ${target})
  set(VORLAN_ORIGINAL_FILENAME ${target}.exe)
  set(VORLAN_WINDOW_LANGUAGE "${arg_WINDOW}")
  set(VORLAN_OTHER_PROGRAM ${arg_OTHER})
  set(VORLAN_CAPTIONS_NOTE "")
  if(arg_CAPTIONS)
    set(VORLAN_CAPTIONS_NOTE ".PP\n${arg_CAPTIONS}\n")
  endif()
  set(VORLAN_DESKTOP_NAME "${arg_NAME}")
  set(VORLAN_DESKTOP_NAME_ZH "${arg_NAME_ZH}")
  set(VORLAN_DESKTOP_COMMENT "${arg_COMMENT}")
  set(VORLAN_DESKTOP_COMMENT_ZH "${arg_COMMENT_ZH}")
  set(VORLAN_APPSTREAM_ID "io.github.vorlan_setup.${target}")
  set(generated ${CMAKE_CURRENT_BINARY_DIR}/${target}_generated)
  set(templates ${PROJECT_SOURCE_DIR}/ui/packaging)
  set(packaging ${PROJECT_SOURCE_DIR}/packaging)

  configure_file(${templates}/program_identity.h.in ${generated}/program_identity.h @ONLY)
  configure_file(${templates}/vorlan_setup.desktop.in ${generated}/${target}.desktop @ONLY)
  configure_file(${packaging}/metainfo/vorlan_setup.metainfo.xml.in
                 ${generated}/${VORLAN_APPSTREAM_ID}.metainfo.xml @ONLY)
  configure_file(${packaging}/man/vorlan_setup.1.in ${generated}/${target}.1 @ONLY)
  set(sources ${PROJECT_SOURCE_DIR}/ui/main.cpp
              ${PROJECT_SOURCE_DIR}/ui/lang/${language}/${language}_build.cpp)
  add_executable(${target} WIN32 ${sources})
  if(WIN32)
    vorlan_windows_resources(${target})
  endif()
  target_include_directories(${target} PRIVATE ${generated})
  target_link_libraries(${target} PRIVATE vorlan_ui ${language_library} vorlan_transport)

  vorlan_install_program(${target})
  vorlan_install_manual(${generated}/${target}.1)
  install(FILES ${generated}/${target}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${generated}/${VORLAN_APPSTREAM_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endfunction()
