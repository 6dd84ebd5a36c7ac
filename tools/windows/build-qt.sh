#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds a static Qt 6.4.2 for 64-bit Windows (MinGW-w64) from Debian's own qt6-base source, with
# the host tools of Debian's Qt (same version) — once per machine: a stamp in the cache marks a
# finished build, a half-finished one is built again. Prints the prefix's path on the last line.
#
#   tools/windows/build-qt.sh            cache: ${ROZSTAWIKI_WINDOWS_CACHE:-~/.cache/rozstawiki-windows}
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

cache=${ROZSTAWIKI_WINDOWS_CACHE:-$HOME/.cache/rozstawiki-windows}
version=6.4.2
prefix=$cache/qt-$version-static
stamp=$prefix/.built

if [[ -f $stamp ]]; then
  echo "$prefix"
  exit 0
fi

"$here/ensure-packages.sh"

started=$(date +%s)
mkdir -p "$cache"
rm -rf "$prefix" "$cache/qt-build" "$cache/qt-src"

# The source: Debian's qt6-base of the same version as the host tools.
download=$cache/qt-download
if ! compgen -G "$download/qt6-base_$version+dfsg.orig.tar.xz" >/dev/null; then
  mkdir -p "$download"
  (cd "$download" && apt-get source --download-only qt6-base)
fi
mkdir -p "$cache/qt-src"
tar -xJf "$download"/qt6-base_$version+dfsg.orig.tar.xz -C "$cache/qt-src" --strip-components=1

# Only what the programs and their tests use. Debian's source lacks the tablet header; the
# Windows platform plugin needs OpenGL to compile (it loads it at run time, so it costs nothing).
cmake -S "$cache/qt-src" -B "$cache/qt-build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$here/mingw-w64-x86_64.cmake" \
  -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DQT_HOST_PATH=/usr \
  -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DBUILD_SHARED_LIBS=OFF \
  -DFEATURE_static_runtime=ON \
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
  -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_concurrent=OFF \
  -DFEATURE_tabletevent=OFF \
  -DFEATURE_pkg_config=OFF \
  -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_harfbuzz=OFF \
  -DFEATURE_system_freetype=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF \
  -DFEATURE_system_doubleconversion=OFF -DFEATURE_system_libb2=OFF \
  >"$cache/qt-configure.log" 2>&1 || { tail -40 "$cache/qt-configure.log" >&2; exit 1; }
echo "Building a static Qt $version for Windows into $prefix, once per machine (about half an hour on two" \
  "free cores; log: $cache/qt-build.log)" >&2
cmake --build "$cache/qt-build" -j "$(nproc)" >"$cache/qt-build.log" 2>&1 || { tail -40 "$cache/qt-build.log" >&2; exit 1; }
cmake --install "$cache/qt-build" >/dev/null
rm -rf "$cache/qt-build" "$cache/qt-src"

elapsed=$(($(date +%s) - started))
echo "$version $(date -u +%FT%TZ) ${elapsed}s" >"$stamp"
printf 'Static Qt %s for Windows built in %dm%02ds\n' "$version" $((elapsed / 60)) $((elapsed % 60)) >&2
echo "$prefix"
