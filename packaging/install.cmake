# Installation as a desktop program: the binary under libexec, a launcher on PATH
# that starts it in a per-user working directory (found relative to the launcher, so
# the installed tree may be moved), the data files, the desktop entry
# and the window icon.
include(GNUInstallDirs)

configure_file(${CMAKE_CURRENT_LIST_DIR}/tervolin-launcher.sh.in
               ${CMAKE_BINARY_DIR}/packaging/tervolin @ONLY)

install(TARGETS tervolin RUNTIME DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/tervolin)
install(PROGRAMS ${CMAKE_BINARY_DIR}/packaging/tervolin DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copy-missing.sh DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/tervolin)
install(FILES ${PROJECT_SOURCE_DIR}/tables/Mus2018.dat DESTINATION ${CMAKE_INSTALL_DATADIR}/tervolin)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/tables/XFS_Data DESTINATION ${CMAKE_INSTALL_DATADIR}/tervolin)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/tervolin.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/ui/images/road_sign.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME tervolin.svg)
