#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds a static Qt 6.4.2 for 64-bit Windows (MinGW-w64) from Debian's own qt6-base source, with
# the host tools of Debian's Qt (same version), once per machine: a stamp in the cache marks a
# finished build. A build cut short goes on where it stopped when it was configured the same way,
# and starts afresh otherwise. Prints the prefix's path on its last line.
#
#   tools/windows/build-qt.sh      cache: ${ROZSTAWIKI_WINDOWS_CACHE:-~/.cache/rozstawiki-windows}
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

cache=${ROZSTAWIKI_WINDOWS_CACHE:-$HOME/.cache/rozstawiki-windows}
version=6.4.2
prefix=$cache/qt-$version-static
stamp=$prefix/.built
build=$cache/qt-build
source=$cache/qt-src

if [[ -f $stamp ]]; then
  echo "$prefix"
  exit 0
fi

"$here/ensure-packages.sh"

# Only what the programs use. Debian's source lacks the tablet header. Off: OpenGL (the cards and
# windows are drawn by the raster engine, and the Windows platform plugin builds without it), the
# XML module, JPEG images, FreeType (Windows draws text with its own engines), the style sheets,
# widgets and dialogs no window here has, and the text formats nothing reads or writes. The print
# dialog needs the date editor (with its calendar), the tab widget and the tree view, the preview
# the main window, and the Windows style the input dialog, so they stay; `needed` is checked once
# configured, before the long build.
needed=(printdialog printpreviewwidget printer pdf messagebox listwidget tablewidget textedit combobox spinbox
  shortcut accessibility harfbuzz style_windowsvista inputdialog)
unused=(freetype style_stylesheet mdiarea dial lcdnumber fontcombobox fontdialog colordialog wizard
  undocommand keysequenceedit splashscreen syntaxhighlighter textbrowser toolbox columnview errormessage
  progressdialog gestures textodfwriter textmarkdownreader textmarkdownwriter movie)
options=(
  -DCMAKE_TOOLCHAIN_FILE="$here/mingw-w64-x86_64.cmake"
  -DCMAKE_PROJECT_QtBase_INCLUDE="$here/qt-unity.cmake"  # a few files to a unit
  -DCMAKE_BUILD_TYPE=Release
  -DCMAKE_INSTALL_PREFIX="$prefix"
  -DQT_HOST_PATH=/usr
  -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
  -DBUILD_SHARED_LIBS=OFF
  -DFEATURE_static_runtime=ON
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
  -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF
  -DINPUT_opengl=no -DFEATURE_jpeg=OFF
  -DFEATURE_tabletevent=OFF
  -DFEATURE_pkg_config=OFF
  -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_harfbuzz=OFF
  -DFEATURE_system_freetype=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF
  -DFEATURE_system_doubleconversion=OFF -DFEATURE_system_libb2=OFF
)
for feature in "${unused[@]}"; do options+=("-DFEATURE_$feature=OFF"); done
# The first two files may lie in any checkout: their contents count instead.
configured="$version ${options[*]:2} $(cat "$here/mingw-w64-x86_64.cmake" "$here/qt-unity.cmake" | sha256sum)"

started=$(date +%s)
mkdir -p "$cache"
rm -rf "$prefix"
if [[ "$(cat "$build/.configured" 2>/dev/null)" != "$configured" ]]; then
  rm -rf "$build" "$source"
  # The source: Debian's qt6-base of the same version as the host tools.
  download=$cache/qt-download
  if ! compgen -G "$download/qt6-base_$version+dfsg.orig.tar.xz" >/dev/null; then
    mkdir -p "$download"
    (cd "$download" && apt-get source --download-only qt6-base)
  fi
  mkdir -p "$source"
  tar -xJf "$download"/qt6-base_$version+dfsg.orig.tar.xz -C "$source" --strip-components=1
  cmake -S "$source" -B "$build" -G Ninja "${options[@]}" >"$cache/qt-configure.log" 2>&1 ||
    { tail -40 "$cache/qt-configure.log" >&2; exit 1; }
  echo "$configured" >"$build/.configured"
fi
for feature in "${needed[@]}"; do
  grep -qx "#define QT_FEATURE_$feature 1" "$build"/src/*/qt*-config*.h "$build"/src/plugins/styles/*/qt*-config*.h 2>/dev/null ||
    { echo "The static Qt's configuration leaves out $feature, which the programs need" >&2; exit 1; }
done

# The folders of what the programs link: the modules, the bundled libraries, the entry point,
# the Windows platform and style plugins. Not Qt's tests, the Direct2D, minimal and offscreen
# platforms, the image format plugins or the modules nothing here uses.
folders=(src/corelib src/3rdparty src/entrypoint src/gui src/widgets src/printsupport
  src/plugins/platforms/windows src/plugins/styles)
echo "Building a static Qt $version for Windows into $prefix, once per machine (10 to 16 minutes on" \
  "two free cores; log: $cache/qt-build.log)" >&2
cmake --build "$build" -j "$(nproc)" -- "${folders[@]/%//all}" >"$cache/qt-build.log" 2>&1 ||
  { tail -40 "$cache/qt-build.log" >&2; exit 1; }

# Installed folder by folder: the top ones without what lies under them.
install() { cmake -DCMAKE_INSTALL_LOCAL_ONLY="$2" -P "$build/$1/cmake_install.cmake" >>"$cache/qt-install.log"; }
: >"$cache/qt-install.log"
for folder in . src src/tools src/plugins src/plugins/platforms; do install "$folder" ON; done
for folder in src/tools/moc src/tools/rcc src/tools/tracegen src/tools/cmake_automoc_parser src/3rdparty/pcre2 \
  src/3rdparty/zlib "${folders[@]}"; do
  install "$folder" OFF
done

elapsed=$(($(date +%s) - started))
echo "$version $(date -u +%FT%TZ) ${elapsed}s" >"$stamp"
printf 'Static Qt %s for Windows built in %dm%02ds\n' "$version" $((elapsed / 60)) $((elapsed % 60)) >&2
echo "$prefix"
