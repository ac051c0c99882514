# The data files, installed for the program and for tervolin-calc alike.
include(GNUInstallDirs)
install(FILES ${PROJECT_SOURCE_DIR}/tables/Mus2018.dat ${PROJECT_SOURCE_DIR}/tables/MuenAir.dat DESTINATION ${CMAKE_INSTALL_DATADIR}/tervolin COMPONENT data)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/tables/XFS_Data DESTINATION ${CMAKE_INSTALL_DATADIR}/tervolin COMPONENT data)
