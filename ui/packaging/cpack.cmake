# A Debian package of both programs and their .desktop files: cpack -G DEB in the build directory.
set(CPACK_PACKAGE_NAME "vorlan-setup")
set(CPACK_PACKAGE_VENDOR "FREE")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Setup tool for QX series APRS terminals (English and Chinese)")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_GENERATOR "DEB")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "vorlan_setup developers")
set(CPACK_DEBIAN_PACKAGE_SECTION "hamradio")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
# The libraries come from shlibdeps; the platform plugin that shows a window is only recommended by
# Qt's own packages.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# The window's faces: a Song-style CJK face, Arial and Palatino stand-ins.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-arphic-uming, fonts-liberation2, fonts-urw-base35")
include(CPack)
