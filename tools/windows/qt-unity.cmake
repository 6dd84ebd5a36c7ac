# SPDX-License-Identifier: GPL-3.0-or-later
# Read by the static Qt's configuration (build-qt.sh) at its top-level project: the modules the
# programs link are compiled a few files to a unit. Each file otherwise parses the same large
# headers again, about half of its compile time; in units of eight the build takes about half
# the time. HarfBuzz is written to be compiled as one file and is. (In two it costs a minute
# more of compiling and still ends alone: Gui's metatypes wait for its library.)
#
# Qt 6.4 was not written for this: the files listed after a module's batch size are compiled
# alone. Most clash with a neighbour in a unit (a file-local helper or macro of the same name),
# a compile error; the Windows printer support defines QT_STATICPLUGIN for its own headers, which
# a unit has read before it, and loses its plugin's entry point, a link error. A file that
# defines a macro for the headers it includes belongs on the list.

# The module's sources in units of `batch` files (0: one unit), but those given after it.
function(rozstawiki_unity target batch)
  set_target_properties(${target} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE ${batch})
  get_target_property(folder ${target} SOURCE_DIR)
  foreach(file IN LISTS ARGN)
    set_source_files_properties("${folder}/${file}" DIRECTORY "${folder}" PROPERTIES SKIP_UNITY_BUILD_INCLUSION ON)
  endforeach()
endfunction()

function(rozstawiki_unity_builds)
  rozstawiki_unity(BundledHarfbuzz 0)
  rozstawiki_unity(Core 8
    global/qlogging.cpp global/qrandom.cpp io/qbuffer.cpp io/qurlquery.cpp io/qurlrecode.cpp
    kernel/qmetaobjectbuilder.cpp serialization/qcborstreamwriter.cpp text/qstring.cpp
    text/qunicodetools.cpp time/qjalalicalendar.cpp)
  rozstawiki_unity(Gui 8
    image/qpixmapcache.cpp kernel/qplatformintegrationfactory.cpp kernel/qwindowsysteminterface.cpp
    text/windows/qwindowsfontengine.cpp util/qpkmhandler.cpp)
  rozstawiki_unity(Widgets 8 accessible/qaccessiblewidgets.cpp dialogs/qfiledialog.cpp)
  rozstawiki_unity(PrintSupport 8 platform/windows/qwindowsprintersupport.cpp)
  rozstawiki_unity(QWindowsIntegrationPlugin 8 qwindowspointerhandler.cpp)
  # Its four files take less time to compile than the precompiled header they would share.
  set_target_properties(QWindowsVistaStylePlugin PROPERTIES DISABLE_PRECOMPILE_HEADERS ON)
endfunction()

# Once every module's folder has made its targets.
cmake_language(DEFER DIRECTORY "${CMAKE_SOURCE_DIR}" CALL rozstawiki_unity_builds)
