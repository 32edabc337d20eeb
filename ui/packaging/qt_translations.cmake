# Qt's own Chinese texts for the Chinese program where it is shipped without Debian (Windows): the
# catalogues go beside the program, in "translations", where it looks first. They are the same on
# every system, so a cross build takes the host's (qt6-translations-l10n, the same Qt version).
if(WIN32)
  include(GNUInstallDirs)
  foreach(catalogue qtbase qtserialport)
    find_file(VORLAN_${catalogue}_ZH_QM ${catalogue}_zh_CN.qm
              PATHS "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_TRANSLATIONS}" /usr/share/qt6/translations
              NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
    if(NOT VORLAN_${catalogue}_ZH_QM)
      message(FATAL_ERROR "${catalogue}_zh_CN.qm is missing: install qt6-translations-l10n")
    endif()
    install(FILES ${VORLAN_${catalogue}_ZH_QM} DESTINATION ${CMAKE_INSTALL_BINDIR}/translations)
  endforeach()
endif()
