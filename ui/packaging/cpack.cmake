# A Debian package of everything `cmake --install` puts in place: cpack -G DEB in the build
# directory. Built with Debian's hardening flags (packaging/hardening.cmake), stripped, and checked
# with lintian by scripts/package-check.
include(${PROJECT_SOURCE_DIR}/packaging/install.cmake)

set(CPACK_PACKAGE_NAME "vorlan-setup")
set(CPACK_PACKAGE_VENDOR "FREE")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_GENERATOR "DEB")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER
    "vorlan_setup developers <vorlan-setup@users.noreply.github.io>")
set(CPACK_DEBIAN_PACKAGE_SECTION "hamradio")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "setup tool for QX series APRS trackers")
# The extended description, wrapped as it is shown; a paragraph for the command-line tool when the
# tree has it.
file(READ ${PROJECT_SOURCE_DIR}/packaging/debian/description CPACK_PACKAGE_DESCRIPTION)
if(TARGET vorlan_cli)
  string(APPEND CPACK_PACKAGE_DESCRIPTION "
The command-line tool vorlan_cli reads, writes and verifies a device's
configuration from scripts, with a backup before every write.
")
endif()

# The libraries come from shlibdeps. Qt's platform plugin that shows a window is only recommended
# by Qt's own packages; the window is drawn with stand-ins for its faces (a Song-style CJK face,
# Arial and Palatino), without which Chinese text shows as empty boxes and captions get cut; the
# Chinese program's message boxes and file dialogs take Qt's own Chinese texts from
# qt6-translations-l10n.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, qt6-translations-l10n, fonts-arphic-uming, fonts-liberation2, fonts-urw-base35")
include(CPack)
