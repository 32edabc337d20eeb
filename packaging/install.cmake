# What the package holds besides the two setup programs (ui/packaging/program.cmake): the licence
# and changelog where Debian looks for them, the icon of the menu entries, the udev rule for the
# trackers' USB-serial adapters, and the device simulator and the command-line tool with their
# manual pages.
include(${CMAKE_CURRENT_LIST_DIR}/install_helpers.cmake)

set(vorlan_docdir ${CMAKE_INSTALL_DATADIR}/doc/vorlan-setup)
install(FILES ${VORLAN_PACKAGING_DIR}/debian/copyright DESTINATION ${vorlan_docdir})
vorlan_gzip(${VORLAN_PACKAGING_DIR}/debian/changelog ${CMAKE_BINARY_DIR}/doc/changelog.gz)
install(FILES ${CMAKE_BINARY_DIR}/doc/changelog.gz DESTINATION ${vorlan_docdir})

install(FILES ${VORLAN_PACKAGING_DIR}/icons/vorlan-setup.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# The udev rule gives the logged-in user the trackers' adapters and keeps ModemManager off them
# (its comments say why). udev reads packaged rules from /usr/lib/udev/rules.d, which the package's
# /usr prefix gives; under another prefix copy it to /etc/udev/rules.d by hand.
if(UNIX AND NOT APPLE)
  set(VORLAN_UDEV_RULES_DIR "lib/udev/rules.d"
      CACHE STRING "Where the udev rule goes, relative to the install prefix")
  install(FILES ${VORLAN_PACKAGING_DIR}/udev/60-vorlan-setup.rules
          DESTINATION ${VORLAN_UDEV_RULES_DIR})
endif()

# The simulator lets a user try the tool without hardware (vorlan_setup_en --demo).
foreach(program vorlan_device_sim vorlan_cli)
  if(TARGET ${program})
    vorlan_install_program(${program})
    vorlan_install_manual(${VORLAN_PACKAGING_DIR}/man/${program}.1)
  endif()
endforeach()
