#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Tries the Windows build (build.sh) under Wine, in a Wine prefix of its own inside the build
# folder, on a virtual display of its own:
#   - the core's tests;
#   - rozstawiki-pdf.exe prints the table cards, the pair cards and the sheet of shipped lines,
#     and pdftotext reads the same words from them as from the Linux build's PDFs;
#   - rozstawiki.exe shows its main window in Polish under a Polish Windows and in English under
#     an English one (screenshots are kept);
#   - both print through Wine's spooler onto a queue of a private CUPS (printing-test.sh);
#   - the installer installs silently, the installed export finds a shipped scheme file from
#     another folder, writes a PDF with a Polish name, replaces it and keeps a file that is no
#     PDF, and the silent uninstall leaves nothing.
# What it saw is kept in BUILD/test-output.
#
#   tools/windows/test.sh [BUILD [LINUX_BUILD]]     defaults: build-windows, build
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=$(realpath "${1:-$root/build-windows}")
linux_pdf=$(realpath "${2:-$root/build}")/src/rozstawiki-pdf
program=$build/src
out=$build/test-output
started=$(date +%s)

"$here/ensure-packages.sh"
[[ -x $linux_pdf ]] || { echo "No Linux build of rozstawiki-pdf at $linux_pdf" >&2; exit 1; }

wine_program=/usr/lib/wine/wine64
[[ -x $wine_program ]] || wine_program=$(command -v wine64 || command -v wine)
# Wine takes its locale from the locale variables, and the programs their language from Wine's:
# a Polish Windows, unless a step asks for another.
windows_locale=pl_PL.UTF-8
run_wine() { LC_ALL=$windows_locale "$wine_program" "$@"; }
wineserver=/usr/lib/wine/wineserver
[[ -x $wineserver ]] || wineserver=$(command -v wineserver)
export WINEPREFIX=$build/wine WINEDEBUG=-all WINEARCH=win64
# No prompts for Wine's .NET and browser engines, which nothing here needs.
export WINEDLLOVERRIDES="mscoree,mshtml="

rm -rf "$out"
mkdir -p "$out"
xvfb=
cleanup() {
  "$wineserver" -k 2>/dev/null || true
  [[ -z $xvfb ]] || kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT

# A display of its own: Wine draws every window on it, the windows program's too.
exec 3>"$out/display"
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
exec 3>&-
for _ in $(seq 100); do [[ -s $out/display ]] && break; sleep 0.1; done
export DISPLAY=:$(cat "$out/display")

if [[ ! -f $WINEPREFIX/system.reg ]]; then
  run_wine wineboot -i >/dev/null 2>&1
  "$wineserver" -w
  # Windows has Arial, the cards' face; Wine has its metric twin from Debian's fonts-liberation.
  run_wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Arial /d 'Liberation Sans' /f >/dev/null 2>&1
  "$wineserver" -w
fi

failed=0
fail() {
  echo "FAILED: $*" >&2
  failed=1
}

echo "-- The core's tests"
if run_wine "$build/tests/movement/movement_tests.exe" --gtest_brief=1 >"$out/movement_tests.txt" 2>&1; then
  tail -n 1 "$out/movement_tests.txt"
else
  cat "$out/movement_tests.txt" >&2
  fail "movement_tests.exe"
fi

# The words pdftotext reads from a PDF, one a line, sorted: the layout may break lines
# differently where the fonts differ a little.
word_list() { tr -s '[:space:]' '\n' | sed '/^$/d' | LC_ALL=C sort; }
words() { pdftotext "$1" - | word_list; }

echo "-- The export's products against the Linux build's"
cases=(
  "HowellKS.txt 1 tables"
  "HowellKS.txt 4 pairs"
  "HowellKS.txt 7 sheet"
  "HowellPV.txt 12 tables --numbering 2 --source Łódź"
  "HowellPV.txt 30 pairs --numbering mitchell"
  "Duzo_Zb.txt 5 sheet --absent 3"
  "Duzo_Zb.txt 20 tables --swap 2 --from 2 --to 4"
  "Duzo_Zb.txt 4 tables --boards 3 --absent 3"
  "HowellPV.txt 3 pairs --boards 9 --absent 5"
  "HowellKS.txt 2 sheet --boards 1 --numbering mitchell --absent 11"
)
mkdir -p "$out/export"
for case in "${cases[@]}"; do
  read -r file line cards options <<<"$case"
  name=${file%.txt}-$line-$cards
  # shellcheck disable=SC2086
  "$linux_pdf" --cards "$cards" $options "$root/data/$file" "$line" "$out/export/$name-linux.pdf" >/dev/null
  # From the program's own folder: the bare name is found beside the program.
  # shellcheck disable=SC2086
  if ! (cd "$out/export" && run_wine "$program/rozstawiki-pdf.exe" --cards "$cards" $options "$file" "$line" \
    "$name-windows.pdf" >"$name.log" 2>&1); then
    cat "$out/export/$name.log" >&2
    fail "rozstawiki-pdf.exe $case"
    continue
  fi
  if ! diff <(words "$out/export/$name-linux.pdf") <(words "$out/export/$name-windows.pdf") >"$out/export/$name.diff"; then
    head -n 20 "$out/export/$name.diff" >&2
    fail "other words in $name-windows.pdf than in the Linux build's"
  else
    echo "$name: $(words "$out/export/$name-windows.pdf" | wc -l) words, the same"
  fi
done

# The main window as a director with Windows in LOCALE sees it: its caption begins with TITLE.
main_window() {
  local locale=$1 title=$2 picture=$out/$3
  windows_locale=$locale run_wine "$program/rozstawiki.exe" >"${picture%.png}.log" 2>&1 &
  local window_program=$!
  if window=$(timeout 60 xdotool search --sync --onlyvisible --name "^$title" 2>/dev/null | head -n 1) &&
    [[ -n $window ]]; then
    sleep 2
    import -window root "$picture"
    geometry=$(xdotool getwindowgeometry "$window" | sed -n 's/ *Geometry: //p')
    colours=$(convert "$picture" -format '%k' info:)
    echo "main window \"$title…\" $geometry shown under $locale, screenshot $picture ($colours colours)"
    ((colours > 16)) || fail "the screenshot is all but blank"
  else
    import -window root "$picture" || true
    fail "rozstawiki.exe showed no main window \"$title…\" under $locale in 60 s"
  fi
  kill "$window_program" 2>/dev/null || true
  "$wineserver" -k 2>/dev/null || true
  "$wineserver" -w
}

echo "-- The window program on the virtual display, in Polish and in English"
main_window pl_PL.UTF-8 "Wydruk Rozstaw" rozstawiki.png
main_window en_GB.UTF-8 "Table Guide Cards" rozstawiki-en.png

# shellcheck source=tools/windows/printing-test.sh
source "$here/printing-test.sh"

echo "-- The installer"
installer=$(ls "$build"/rozstawiki-setup-*.exe)
installed=$WINEPREFIX/drive_c/Program\ Files/Rozstawiki
menu_entry=$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start\ Menu/Programs/Rozstawiki\ stolikowe.lnk
run_wine "$installer" /S
"$wineserver" -w
[[ -x $installed/rozstawiki-pdf.exe && -f $installed/HowellKS.txt ]] || fail "no program in $installed"
[[ -f $menu_entry ]] || fail "no Start menu entry"
mkdir -p "$out/elsewhere"
if (cd "$out/elsewhere" && run_wine 'C:\Program Files\Rozstawiki\rozstawiki-pdf.exe' --cards pairs HowellKS.txt 4 \
  'Karty par – Łódź.pdf' >"$out/installed.log" 2>&1); then
  cat "$out/installed.log"
  diff <(words "$out/export/HowellKS-4-pairs-linux.pdf") <(words "$out/elsewhere/Karty par – Łódź.pdf") >/dev/null ||
    fail "the installed export printed other words"
else
  cat "$out/installed.log" >&2
  fail "the installed rozstawiki-pdf.exe"
fi
# The output written the Windows way: an old PDF is replaced, any other file kept and refused.
installed_pdf=(run_wine 'C:\Program Files\Rozstawiki\rozstawiki-pdf.exe')
(cd "$out/elsewhere" && "${installed_pdf[@]}" HowellKS.txt 1 'Karty par – Łódź.pdf' >/dev/null 2>&1) ||
  fail "an old PDF was not replaced"
diff <(words "$out/export/HowellKS-1-tables-linux.pdf") <(words "$out/elsewhere/Karty par – Łódź.pdf") >/dev/null ||
  fail "the replaced PDF holds other words"
echo "notatki sędziego" >"$out/elsewhere/notatki.txt"
if (cd "$out/elsewhere" && "${installed_pdf[@]}" HowellKS.txt 1 notatki.txt >"$out/refused.log" 2>&1); then
  fail "a file that is no PDF was written over"
fi
grep -q "nie jest plikiem PDF" "$out/refused.log" || fail "no reason given for keeping notatki.txt: $(cat "$out/refused.log")"
[[ "$(cat "$out/elsewhere/notatki.txt")" == "notatki sędziego" ]] || fail "notatki.txt changed"
[[ -z "$(find "$out/elsewhere" -name '.*rozstawiki-*')" ]] || fail "a pending file was left behind"
run_wine "$installed/odinstaluj.exe" /S
"$wineserver" -w
[[ ! -e $installed ]] || fail "the uninstaller left $(find "$installed" | head -n 5)"
[[ ! -e $menu_entry ]] || fail "the uninstaller left the Start menu entry"
((failed == 0)) && echo "installed, used from another folder (a PDF written, replaced, a text file kept), uninstalled without a trace"

echo "Windows tests under Wine took $(($(date +%s) - started))s"
exit "$failed"
