# SPDX-License-Identifier: GPL-3.0-or-later
# Read by the static Qt's configuration (build-qt.sh) at its top-level project. HarfBuzz is
# written to be compiled as one file, and its 50-odd files each parse the same large headers
# again: built as one unit it takes a minute of one core instead of a quarter of an hour.
cmake_language(DEFER DIRECTORY "${CMAKE_SOURCE_DIR}" CALL
               set_target_properties BundledHarfbuzz PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 0)
