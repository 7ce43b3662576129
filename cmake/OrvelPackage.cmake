# What the package holds beyond the programs' own install rules, and the Debian package
# itself: `cmake --build build --target package` writes build/orvelwin_VERSION_ARCH.deb.

install(FILES ${CMAKE_SOURCE_DIR}/resources/desktop/orvelwinconfig.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/resources/desktop/orvelwinconfig.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${CMAKE_SOURCE_DIR}/resources/metainfo/io.orvelwin.OrvelWin.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_SOURCE_DIR}/resources/man/OrvelWin.1 ${CMAKE_SOURCE_DIR}/resources/man/OrvelWinConfig.1
              ${CMAKE_SOURCE_DIR}/resources/man/orvelchart.1
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
orvel_install_launcher(orvelchart ${ORVEL_INSTALL_DIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orvelwin)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "OrvelWin developers <orvelwin@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Compute, draw and explain astrological charts")
set(CPACK_PACKAGE_DESCRIPTION "OrvelWin draws horoscope wheels (birth, composite, synastry, transit and solar
return charts) with information windows; OrvelWinConfig chooses what the handheld
program carries; orvelchart computes the same charts on the command line.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Only the programs and their data: the list control's headers stay out.
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};OrvelWin;Unspecified;/")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The installed programs read the system's ephemeris files instead of a copy of their own.
set(CPACK_DEBIAN_PACKAGE_DEPENDS swe-basic-data)
include(CPack)
