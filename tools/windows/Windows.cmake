# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows build (tools/windows/build.sh, with the toolchain file beside this one): the two
# programs linked statically, with the static Qt of tools/windows/build-qt.sh and the MinGW
# runtime, so that they need no DLL; the scheme files and Qt's Polish texts beside them; and the
# core's tests on GoogleTest built from its sources. No CUPS, Debian package, manual pages or
# developer tools: those are Linux's.
find_package(Qt6 6.4 REQUIRED COMPONENTS Widgets PrintSupport)
# Stripped: the installer carries no symbols nobody on Windows reads.
add_link_options(-static -s)

add_subdirectory(src)
set_target_properties(rozstawiki PROPERTIES WIN32_EXECUTABLE ON)
# The program's icon, for the Start menu and the Explorer: the drawing of the Linux menu entry.
set(icon ${CMAKE_BINARY_DIR}/rozstawiki.ico)
add_custom_command(OUTPUT ${icon}
  COMMAND rsvg-convert -w 256 -h 256 -o ${CMAKE_BINARY_DIR}/rozstawiki-256.png
          ${PROJECT_SOURCE_DIR}/dist/${ROZSTAWIKI_DESKTOP_ID}.svg
  COMMAND convert ${CMAKE_BINARY_DIR}/rozstawiki-256.png -define icon:auto-resize=256,64,48,32,16 ${icon}
  DEPENDS ${PROJECT_SOURCE_DIR}/dist/${ROZSTAWIKI_DESKTOP_ID}.svg
  VERBATIM)
file(WRITE ${CMAKE_BINARY_DIR}/rozstawiki.rc "1 ICON \"${icon}\"\n")
add_custom_target(rozstawiki-icon DEPENDS ${icon})
add_dependencies(rozstawiki rozstawiki-icon)
target_sources(rozstawiki PRIVATE ${CMAKE_BINARY_DIR}/rozstawiki.rc)
set_source_files_properties(${CMAKE_BINARY_DIR}/rozstawiki.rc TARGET_DIRECTORY rozstawiki PROPERTIES OBJECT_DEPENDS ${icon})
# Both take Qt's Windows platform plugin, which a static Qt links in by default (the export too:
# Qt's offscreen platform sees none of Windows' fonts).

# Beside the programs, as the installer lays them out.
set(program_folder ${CMAKE_BINARY_DIR}/src)
foreach(file HowellKS.txt HowellPV.txt Duzo_Zb.txt)
  configure_file(${PROJECT_SOURCE_DIR}/data/${file} ${program_folder}/${file} COPYONLY)
endforeach()
set(qt_polish /usr/share/qt6/translations/qtbase_pl.qm)
if(EXISTS ${qt_polish})
  configure_file(${qt_polish} ${program_folder}/translations/qtbase_pl.qm COPYONLY)
endif()

include(CTest)
if(BUILD_TESTING)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  # GoogleTest keeps its own warnings, not the project's.
  set_property(TARGET gtest gtest_main PROPERTY COMPILE_OPTIONS "")
  include(GoogleTest)
  # The tests are listed when they run (under Wine, tools/windows/test.sh), not as they are built.
  set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)
  include_directories(${PROJECT_SOURCE_DIR}/tests)
  add_subdirectory(tests/support)
  add_subdirectory(tests/movement)
endif()
