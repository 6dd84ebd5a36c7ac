#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package of a build folder (default: build), unpacks it into a scratch root and
# runs the programs from there in an empty folder, as an installation started from a desktop menu
# would; then holds the menu entry, the AppStream metadata and the package to their validators
# (lintian's errors fail, its other findings are shown).
set -euo pipefail
cd "$(dirname "$0")/.."
source_folder=$PWD
build=$(realpath "${1:-build}")

fail() { echo "package test: $*" >&2; exit 1; }

# Every program and module of an unpacked package is hardened as Debian's own: relocations read-only
# and bound at start (RELRO, BIND_NOW) and position-independent; lintian checks the rest of
# Debian's flags on the package ./test builds.
check_hardened() {
  local root=$1 file elves=0
  while IFS= read -r -d '' file; do
    readelf -h "$file" >/dev/null 2>&1 || continue
    ((++elves))
    readelf -d "$file" | grep -qE '\(FLAGS\).*BIND_NOW|\(FLAGS_1\).*NOW' || fail "${file#"$root"} is not bound at start (-z now)"
    readelf -lW "$file" | grep -q 'GNU_RELRO' || fail "${file#"$root"} has no read-only relocations (-z relro)"
    readelf -hW "$file" | grep -q 'Type:.*DYN' || fail "${file#"$root"} is not position-independent"
  done < <(find "$root" -type f -print0)
  ((elves == 3)) || fail "$elves programs and modules instead of 3 in ${root}"
}

packaged=$(cmake --build "$build" --target package 2>&1) || { echo "$packaged" >&2; fail "no package built"; }
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
deb=$build/rozstawiki_${version}_$(dpkg --print-architecture).deb
[[ -f $deb ]] || fail "no package $deb"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
root=$scratch/root
dpkg-deb -x "$deb" "$root"
mkdir "$scratch/work"
cd "$scratch/work"
program=$root/usr/bin/rozstawiki
pdf=$root/usr/bin/rozstawiki-pdf
data=$root/usr/share/rozstawiki

echo "== Hardened as Debian's own, also from a build configured without Debian's flags"
check_hardened "$root"
# A plain configure, as the README's "Installing" shows it, packages a build of its own with them:
# its package run configures and builds that build with Debian's flags, which are the ones just
# checked. Only the wiring is checked here; building it all again would take as long as the build.
plain=$build/plain-configure
cmake -S "$source_folder" -B "$plain" -G Ninja -DBUILD_TESTING=OFF >/dev/null || fail "the plain configure failed"
grep -q "CPACK_INSTALL_SCRIPTS \"$plain/HardenedBuild.cmake\"" "$plain/CPackConfig.cmake" &&
  grep -q "CPACK_INSTALL_CMAKE_PROJECTS \"$plain/debian-package;" "$plain/CPackConfig.cmake" &&
  grep -q -- "-DROZSTAWIKI_DEBIAN_FLAGS=ON" "$plain/HardenedBuild.cmake" ||
  fail "a plain configure would not package a build with Debian's flags"

echo "== The installed programs, run in an empty folder"
[[ $(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" --version) == "rozstawiki $version" ]] ||
  fail "rozstawiki --version"
[[ $("$pdf" --version) == "rozstawiki-pdf $version" ]] || fail "rozstawiki-pdf --version"

# The shipped files are found in the data folder beside the program, and print with their captions.
"$pdf" HowellKS.txt 1 karty.pdf || fail "HowellKS.txt not printed"
[[ $(pdfinfo karty.pdf | sed -n 's/^Pages: *//p') == 4 ]] || fail "line 1 of HowellKS.txt is not 4 cards"
pdftotext karty.pdf - | grep -q "Wg K. Kestrela" || fail "the cards lack their source"
"$pdf" --check HowellPV.txt >/dev/null || fail "HowellPV.txt does not check"
"$pdf" --cards sheet Duzo_Zb.txt 1 arkusz.pdf || fail "Duzo_Zb.txt not printed"

# The working folder's own file comes first; other names are looked for there only.
printf '5 3 6 1 0 2 5 0 3 4\r\n' >HowellKS.txt
[[ $("$pdf" --list HowellKS.txt) == "1:   5       3" ]] || fail "the working folder's HowellKS.txt is not read"
rm HowellKS.txt
message=$("$pdf" --list Brak.txt 2>&1) && fail "a missing file was listed"
[[ $message == "Nie znaleziono pliku „Brak.txt” w folderze „$PWD”." ]] || fail "missing file: $message"
# Nor is a shipped file, wherever it was found, a place for cards.
message=$("$pdf" HowellKS.txt 1 "$data/HowellKS.txt" 2>&1) && fail "the scheme file was overwritten"
[[ $message == *"to plik schematów, z którego czytane są rozstawiki"* ]] || fail "overwrite: $message"

echo "== Shell completion offers the options --help names, with their values"
completions=$root/usr/share/bash-completion/completions/rozstawiki-pdf
complete_words() {  # what is offered for the last of the words typed after rozstawiki-pdf
  PATH="$root/usr/bin:$PATH" bash -c 'source /usr/share/bash-completion/bash_completion
           source "$1"
           COMP_WORDS=(rozstawiki-pdf "${@:2}"); COMP_CWORD=$(($# - 1))
           COMP_LINE="${COMP_WORDS[*]}"; COMP_POINT=${#COMP_LINE}
           _rozstawiki_pdf
           printf "%s\n" "${COMPREPLY[@]}" | sort' _ "$completions" "$@"
}
help=$("$pdf" --help)
options=$(grep -oE '^  --[a-z-]*|, --[a-z][a-z-]*' <<<"$help" | sed -E 's/^(  |, )//' | sort)
[[ $(complete_words --) == "$options" ]] || fail "completion offers $(complete_words -- | xargs), --help names $(xargs <<<"$options")"
while read -r option values; do
  [[ $(complete_words "$option" "") == "$(tr '|' '\n' <<<"$values" | sort)" ]] || fail "completion of $option"
done < <(sed -nE 's/^  (--[a-z]+) ([A-Za-z0-9]+(\|[A-Za-z0-9]+)+) .*/\1 \2/p' <<<"$help")

# The manual pages name every product the program's table has.
for key in $(sed -nE 's/^  --cards ([a-z|]+) .*/\1/p' <<<"$help" | tr '|' ' '); do
  for page in "$root"/usr/share/man/man1/rozstawiki-pdf.1.gz "$root"/usr/share/man/pl/man1/rozstawiki-pdf.1.gz; do
    zcat "$page" | grep -q "$key" || fail "$(basename "$(dirname "$(dirname "$page")")") manual page lacks --cards $key"
  done
done

echo "== Versions, dependencies, menu entry, AppStream metadata"
[[ $(zcat "$root/usr/share/doc/rozstawiki/changelog.gz" | dpkg-parsechangelog -l - -S Version) == "$version" ]] ||
  fail "the changelog's last entry is not $version"
grep -q "<release version=\"$version\"" "$root"/usr/share/metainfo/*.metainfo.xml || fail "no AppStream release $version"
depends=$(dpkg-deb -f "$deb" Depends)
for needed in fonts-liberation qt6-translations-l10n libcups2 libqt6widgets6 libqt6printsupport6; do
  [[ $depends == *"$needed"* ]] || fail "Depends lacks $needed: $depends"
done
desktop-file-validate "$root"/usr/share/applications/*.desktop
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml

echo "== lintian"
status=0
report=$(lintian --display-info --fail-on error "$deb" 2>&1) || status=$?
grep -v 'running with root privileges' <<<"$report" || true
((status == 0)) || fail "lintian reports errors"
# Built with Debian's flags, the programs are hardened as Debian's own.
! grep -q 'hardening-' <<<"$report" || fail "lintian finds the programs not hardened"
echo "== Package test passed: $(basename "$deb")"
