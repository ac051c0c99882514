# Installs documents compressed as Debian wants them (gzip -9n: best compression, no
# name or time stamp, so the package's bytes do not depend on when it was built).
# The compressed copy is made at configure time from a file that configure_file made,
# so CMake configures again whenever the source changes.
include_guard(GLOBAL)
include(GNUInstallDirs)

function(tervolin_install_gzipped source destination)
  get_filename_component(name ${source} NAME)
  set(packed ${PROJECT_BINARY_DIR}/packaging/gz/${name}.gz)
  file(MAKE_DIRECTORY ${PROJECT_BINARY_DIR}/packaging/gz)
  execute_process(COMMAND gzip -9nc INPUT_FILE ${source} OUTPUT_FILE ${packed} COMMAND_ERROR_IS_FATAL ANY)
  install(FILES ${packed} DESTINATION ${destination})
endfunction()

# packaging/man/NAME.1, with the project's version and release date filled in, as
# share/man/man1/NAME.1.gz.
function(tervolin_install_manpage name)
  configure_file(${PROJECT_SOURCE_DIR}/packaging/man/${name}.1 ${PROJECT_BINARY_DIR}/packaging/man/${name}.1 @ONLY)
  tervolin_install_gzipped(${PROJECT_BINARY_DIR}/packaging/man/${name}.1 ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()
