#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Holds the tree to its written habits: the layout of .clang-format and the bug-prone and
# performance checks of .clang-tidy (whose warnings count as errors). Reads the compile commands
# of the `build` folder, and of `build-fuzz` for the fuzz targets, so ./test runs it after both.
# clang-tidy spares the files it found clean before, unchanged since (tools/cached-clang-tidy.py).
set -euo pipefail
cd "$(dirname "$0")/.."

mapfile -t sources < <(git ls-files -- 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'tools/*.cpp' 'tools/*.h')

echo "== the licence in every source file"
mapfile -t scripts < <(git ls-files -- '*.sh' '*.cmake' '*CMakeLists.txt' run test .ci/run)
unlicensed=0
for file in "${sources[@]}" "${scripts[@]}"; do
  head -n 2 "$file" | grep -q 'SPDX-License-Identifier: GPL-3.0-or-later' || { echo "no licence line: $file"; unlicensed=1; }
done
((unlicensed == 0)) || exit 1
echo "== printing's rooms depend only downward"
# Each product folder on the base (product) and the surfaces; no product on another product or
# on the table of products above them.
walls=0
product_folders=$(sed -n 's/^set(product_folders \(.*\))$/\1/p' src/printing/CMakeLists.txt)
[[ -n "$product_folders" ]] || { echo "no product_folders in src/printing/CMakeLists.txt"; exit 1; }
for room in surfaces product $product_folders; do
  case $room in
    surfaces) below="surfaces" ;;
    product) below="product|surfaces" ;;
    *) below="$room|product|surfaces" ;;
  esac
  if grep -rnE '^#include "printing/' "src/printing/$room" | grep -vE "\"printing/($below)/"; then walls=1; fi
done
((walls == 0)) || { echo "an include above runs against the rooms' order (doc/architecture.md)"; exit 1; }
echo "== no window includes another"
# The windows talk through the session, which alone includes them (with ProgramWindows, which
# makes them).
windows="Figura Palce NumDow drkr Podglad"
for window in $windows; do
  others=$(echo "$windows Session ProgramWindows" | tr ' ' '\n' | grep -vx "$window" | paste -sd'|')
  if grep -nE "^#include \"($others)\.h\"" "src/windows/$window.h" "src/windows/$window.cpp"; then walls=1; fi
done
((walls == 0)) || { echo "a window includes another window (doc/architecture.md)"; exit 1; }
echo "== clang-format over ${#sources[@]} files"
clang-format --dry-run --Werror "${sources[@]}"

root=$PWD
status=0
tidy() {  # build folder, file pattern
  local log
  log=$(mktemp)
  tools/cached-clang-tidy.py "$1" "$2" >"$log" 2>&1 || status=1
  # The findings, without colour codes, and the count of files checked and spared.
  sed -r 's/\x1b\[[0-9;]*m//g' "$log"
  rm -f "$log"
}
echo "== clang-tidy"
tidy build "^$root/(src|tests|tools)/"
[[ -f build-fuzz/compile_commands.json ]] && tidy build-fuzz "^$root/tests/fuzz/"
exit "$status"
