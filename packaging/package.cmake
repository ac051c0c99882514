# The manual pages of the command-line programs this build makes (each program's own
# folder installs the program);
# then, with the desktop program, the Debian package of everything installed
# (cpack -G DEB in the build folder, or scripts/package.sh) and its test.
include(GNUInstallDirs)
include(${CMAKE_CURRENT_LIST_DIR}/manpage.cmake)

set(TERVOLIN_COMMAND_LINE_PROGRAMS)
foreach(program tervolin-calc tervolin-tables)
  if(TARGET ${program})
    tervolin_install_manpage(${program})
    list(APPEND TERVOLIN_COMMAND_LINE_PROGRAMS ${program})
  endif()
endforeach()

if(NOT TARGET tervolin)
  return()
endif()

# The package's own documents: its machine-readable copyright file and, since the
# package is Debian-native (a version without a revision), its changelog.
set(TERVOLIN_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/tervolin)
execute_process(COMMAND date -u -R -d "${TERVOLIN_RELEASE_DATE} 12:00"
                OUTPUT_VARIABLE TERVOLIN_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)
set(TERVOLIN_MAINTAINER "Tervolin developers <developers@tervolin.invalid>"
    CACHE STRING "The package's Maintainer field: a name and a mail address")
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog.in ${CMAKE_BINARY_DIR}/packaging/changelog @ONLY)
tervolin_install_gzipped(${CMAKE_BINARY_DIR}/packaging/changelog ${TERVOLIN_DOC_DIR})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright DESTINATION ${TERVOLIN_DOC_DIR})

# The page, when scripts/web.sh has built it (the test command does): the same
# library in a browser, for any web server to serve.
set(TERVOLIN_WEB_SITE "${PROJECT_SOURCE_DIR}/build-web/site" CACHE PATH "The built page the package ships, if there")
install(DIRECTORY ${TERVOLIN_WEB_SITE}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/tervolin/web OPTIONAL
        FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tervolin)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tervolin developers")
set(CPACK_PACKAGE_CONTACT "${TERVOLIN_MAINTAINER}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Libraries from the binaries; the fonts the screens are drawn with (a CJK family
# for the Japanese texts, a Times substitute for the Latin labels) and Qt's Japanese
# texts for its file dialog and buttons by name.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-noto-cjk, fonts-liberation2, qt6-translations-l10n")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "teaching tool on the scattering of X-ray photons")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Tervolin computes and draws the probability density of the photon scattering
angle (1 to 180 degrees) for coherent (Rayleigh) and incoherent (Compton)
scattering in elements and compounds such as water, air, PMMA, iron and lead,
either for one photon energy or weighted over the spectrum of a tungsten-anode
X-ray tube (30 to 150 kV). Its screens are in Japanese.")
include(CPack)

if(TERVOLIN_WITH_TESTS)
  # Builds the package from this build's install step (cpack) and checks it from
  # outside, as an administrator and lintian would see it.
  string(JOIN "," tervolin_package_programs tervolin ${TERVOLIN_COMMAND_LINE_PROGRAMS})
  add_test(NAME debian_package
           COMMAND bash ${PROJECT_SOURCE_DIR}/tests/e2e/check_package.sh ${CMAKE_BINARY_DIR}
                   ${PROJECT_VERSION} ${TERVOLIN_APP_ID} ${tervolin_package_programs} ${TERVOLIN_WEB_SITE})
  set_tests_properties(debian_package PROPERTIES TIMEOUT 300)
endif()
