# Installing and packaging: the two programs in bin/, the panel pictures the headless program reads in
# share/orvel-sim, the desktop entry and its icon; CPack makes a Debian package of that.
include(GNUInstallDirs)

set(ORVEL_RESOURCES ${PROJECT_SOURCE_DIR}/desktop/resources)
install(TARGETS orvel-headless RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${ORVEL_RESOURCES}/panel_rest.png ${ORVEL_RESOURCES}/panel_lit.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/orvel-sim)
if(TARGET orvel-sim)
  install(TARGETS orvel-sim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${PROJECT_SOURCE_DIR}/desktop/orvel-sim.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${ORVEL_RESOURCES}/orvel-sim.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/128x128/apps)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orvel-sim)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Orvel Simulator developers <orvel-sim@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Simulator of the Orvel multitrack recorder's front panel")
set(CPACK_PACKAGE_DESCRIPTION
    "Runs the Orvel recorder's user interface on the PC: orvel-sim shows the front panel and the LCD in a
window worked with the PC keys and the mouse; orvel-headless runs it from a script without a display.")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
include(CPack)
