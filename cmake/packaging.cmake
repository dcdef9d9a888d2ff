# The Debian package, which scripts/package.sh makes with `cpack -G DEB` in a
# build configured with MORLINDO_PACKAGE=ON and the install prefix /usr. What
# it holds is installed by packaging/CMakeLists.txt; its dependencies on
# shared libraries come from dpkg-shlibdeps.

# The project's public home, for software centres and the copyright file,
# and who answers for the package. morlindo.example is a reserved name that
# never resolves, held here until the project has a home of its own.
set(MORLINDO_HOMEPAGE "https://morlindo.example")
set(MORLINDO_MAINTAINER "MorlindoConverter developers <packages@morlindo.example>")
# The day version ${PROJECT_VERSION} is released: the metainfo's release and
# the change log's entry.
set(MORLINDO_RELEASE_DATE 2026-12-06)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME morlindo-converter)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${MORLINDO_MAINTAINER}")
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "batch converter for GPS track files")
set(CPACK_PACKAGE_DESCRIPTION "MorlindoConverter converts GPS tracks between the AlMap and OziExplorer map
programs and from NMEA 0183 receiver logs into them: AlMap tracks (.alr) to
OziExplorer tracks, routes and waypoints (.plt, .rte, .wpt), OziExplorer
tracks to AlMap tracks, and NMEA logs (.nmea) to either.

The desktop program morlindo-converter converts batches of files in one
window; the command-line tool morlindo does the same for scripts.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${MORLINDO_HOMEPAGE}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window's captions are partly Korean: a font with Hangul shows them. In
# Korean, Qt's own dialogs take their words from Qt's translations.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk | fonts-nanum, qt6-translations-l10n")
include(CPack)
