#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-builds Rozstawiki for 64-bit Windows: rozstawiki.exe and rozstawiki-pdf.exe, statically
# linked (no DLL to ship), in BUILD/src with the scheme files and Qt's Polish texts beside them,
# the core's tests, and the installer BUILD/rozstawiki-setup-VERSION.exe. The static Qt comes from
# the cache, built there first when missing (build-qt.sh).
#
#   tools/windows/build.sh [BUILD]        BUILD defaults to build-windows
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=$(realpath -m "${1:-$root/build-windows}")
cache=${ROZSTAWIKI_WINDOWS_CACHE:-$HOME/.cache/rozstawiki-windows}

"$here/ensure-packages.sh"
qt=$("$here/build-qt.sh" | tail -n 1)

started=$(date +%s)
export CCACHE_DIR=${CCACHE_DIR:-$cache/ccache} CCACHE_BASEDIR=$root
# -O2: GCC 12's -O3 warns falsely about overlapping copies in std::string (-Wrestrict).
cmake -S "$root" -B "$build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$here/mingw-w64-x86_64.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
  -DCMAKE_PREFIX_PATH="$qt" -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DROZSTAWIKI_WERROR=ON -DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache >/dev/null
cmake --build "$build" -j "$(nproc)"

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DPROGRAM="$build/src" -DROOT="$root" \
  -DOUTFILE="$build/rozstawiki-setup-$version.exe" "$here/installer.nsi"
echo "Windows build and installer $build/rozstawiki-setup-$version.exe in $(($(date +%s) - started))s"
