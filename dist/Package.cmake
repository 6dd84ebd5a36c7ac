# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: `cmake --build build --target package` writes build/rozstawiki_VERSION_ARCH.deb.
# Its dependencies are those of the binaries (dpkg-shlibdeps) and what they load at run time.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME rozstawiki)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Zespół Rozstawików")
set(CPACK_PACKAGE_CONTACT "Zespół Rozstawików <rozstawiki@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "table guide cards for duplicate bridge Howell movements")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Rozstawiki prints the table guide cards of a duplicate bridge pairs tournament\n"
    "played with a Howell-type movement: round by round, each table's North-South\n"
    "pair, East-West pair and board set, and where each pair goes next. From the\n"
    "same movement it prints a card for every pair and a movement sheet.\n"
    "\n"
    "Movements come from three scheme files of complete and shortened Howells, or\n"
    "are typed in by hand and checked. Pairs may be numbered by a step, by\n"
    "Mitchell numbering or with any numbers up to 99. The cards go to a printer or\n"
    "to a PDF file, also from the command line (rozstawiki-pdf). The interface is\n"
    "in Polish.")
string(JOIN "" CPACK_DEBIAN_PACKAGE_DESCRIPTION ${CPACK_DEBIAN_PACKAGE_DESCRIPTION})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The face "Arial" resolves to on the cards, and Qt's Polish for its own dialogs.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, qt6-translations-l10n")
# The print system the cards are sent to; a PDF file needs none.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "cups")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)

# The package carries Debian's hardening (fortified functions, stack protector, relocations bound
# at start) whatever this build was configured with: a build without Debian's flags packages a
# build of its own that has them, debian-package/ in this build folder, which every package run
# configures and brings up to date first (HardenedBuild.cmake). It builds no tests.
if(NOT ROZSTAWIKI_DEBIAN_FLAGS OR ROZSTAWIKI_SANITIZE)
  set(HARDENED_BUILD ${CMAKE_BINARY_DIR}/debian-package)
  set(HARDENED_OPTIONS -DCMAKE_BUILD_TYPE=RelWithDebInfo -DROZSTAWIKI_DEBIAN_FLAGS=ON -DBUILD_TESTING=OFF
                       -DCMAKE_INSTALL_PREFIX=${CMAKE_INSTALL_PREFIX})
  foreach(launcher CMAKE_CXX_COMPILER_LAUNCHER CMAKE_C_COMPILER_LAUNCHER)
    if(${launcher})
      list(APPEND HARDENED_OPTIONS -D${launcher}=${${launcher}})
    endif()
  endforeach()
  configure_file(${CMAKE_CURRENT_LIST_DIR}/HardenedBuild.cmake.in ${CMAKE_BINARY_DIR}/HardenedBuild.cmake @ONLY)
  set(CPACK_INSTALL_SCRIPTS ${CMAKE_BINARY_DIR}/HardenedBuild.cmake)
  set(CPACK_INSTALL_CMAKE_PROJECTS "${HARDENED_BUILD};${PROJECT_NAME};ALL;/")
endif()
include(CPack)
