# Installation as a desktop program: the binary under libexec, a launcher on PATH
# that starts it in a per-user working directory (found relative to the launcher, so
# the installed tree may be moved), the desktop entry and the software-centre
# metadata under the program's reverse-DNS id, the window icon and the launcher's
# manual page. The data files are installed by data.cmake.
include(GNUInstallDirs)
include(${CMAKE_CURRENT_LIST_DIR}/manpage.cmake)

configure_file(${CMAKE_CURRENT_LIST_DIR}/tervolin-launcher.sh.in
               ${CMAKE_BINARY_DIR}/packaging/tervolin @ONLY)
# Software centres fetch the metadata's screenshots from the web: docs/images/ as the
# project's repository (the host its id names) publishes it at this version's tag.
set(TERVOLIN_SCREENSHOT_URL
    https://raw.githubusercontent.com/tervolin/tervolin/v${PROJECT_VERSION}/docs/images)
configure_file(${CMAKE_CURRENT_LIST_DIR}/tervolin.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/packaging/${TERVOLIN_APP_ID}.metainfo.xml @ONLY)

install(TARGETS tervolin RUNTIME DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/tervolin)
install(PROGRAMS ${CMAKE_BINARY_DIR}/packaging/tervolin DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copy-missing.sh DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/tervolin)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/tervolin.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications
        RENAME ${TERVOLIN_APP_ID}.desktop)
install(FILES ${CMAKE_BINARY_DIR}/packaging/${TERVOLIN_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/ui/images/road_sign.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME tervolin.svg)
tervolin_install_manpage(tervolin)
