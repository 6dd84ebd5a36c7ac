# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows road to the printer, read by test.sh (whose run_wine, fail, word_list, out, program,
# linux_pdf and root it uses): Wine's spooler hands a Windows program's job to CUPS, here a
# private scheduler with a cups-pdf queue, which writes it as a PDF.
#   - rozstawiki-pdf.exe --printer prints every product (a range of tables, boards and an absent
#     pair among them): one job each, with the Linux build's words and number of pages;
#   - a queue Windows does not have is refused with the Windows road's own words, exit 1;
#   - rozstawiki.exe, driven by clicks and keys on the virtual display: a line chosen, the page
#     and two copies set in Wine's print dialog on the queue, each card a job of its own,
#     "Drukuj", and "Podgląd" then "Drukuj" in the preview; every card arrives as a job of two
#     copies, and the window says what the Windows road can know: that the cards were handed to
#     the spooler.

# Wine's PostScript driver writes a few characters as look-alikes (";" as U+037E, "-" as a soft
# hyphen): the words as NFKC gives them, with the one replacement NFKC does not make. An arrow
# counts as a word of its own: pdftotext joins it to the word before it on one side and not on
# the other.
printed_words() {
  pdftotext "$1" - | python3 -c 'import sys, unicodedata
sys.stdout.write(unicodedata.normalize("NFKC", sys.stdin.read()).replace("\u00ad", "-").replace("→", " → "))' |
    word_list
}
pages() { pdfinfo "$1" | sed -n 's/^Pages: *//p'; }

cups=$(mktemp -d /tmp/rzw-XXXXXX)  # short: a socket's path has at most 107 bytes
stop_cups() {
  cp -r "$cups/log" "$out/printing/print-server-log" 2>/dev/null || true
  "$root/tools/private-cups.sh" stop "$cups" 2>/dev/null || true
}
trap 'stop_cups; cleanup' EXIT
"$root/tools/private-cups.sh" start "$cups"
"$root/tools/private-cups.sh" add-pdf-queue "$cups" pdfq
export CUPS_SERVER=$cups/cups.sock
arrived=$cups/out-pdfq

# The PDFs the queue has written, in the order of their jobs, once it has no job left (at most
# 60 s) and holds at least WANTED.
jobs_arrived() {
  local wanted=$1
  for _ in $(seq 600); do
    if [[ -z "$(lpstat -o pdfq 2>/dev/null)" ]] && (($(find "$arrived" -name '*.pdf' | wc -l) >= wanted)); then break; fi
    sleep 0.1
  done
  # cups-pdf ends each name with "-job_N.pdf".
  find "$arrived" -name '*.pdf' | sed 's/.*-job_\([0-9]*\)\.pdf$/\1 &/' | sort -n | cut -d' ' -f2-
}

# The copies the print server counted for the job a PDF of the queue came from (its page log:
# "… JOB [DATE] total N …").
copies_counted() {
  local job
  job=$(sed 's/.*-job_\([0-9]*\)\.pdf$/\1/' <<<"$1")
  awk -v job="$job" '$3 == job && $6 == "total" { print $7 }' "$cups/log/page_log"
}

# NAME LINUX_PDF PRINTED...: the jobs hold the Linux build's words and pages, one job after another.
same_as_linux() {
  local name=$1 linux=$2
  shift 2
  local all=0 printed
  for printed in "$@"; do all=$((all + $(pages "$printed"))); done
  if ! diff <(printed_words "$linux") <(for printed in "$@"; do printed_words "$printed"; done | LC_ALL=C sort) \
    >"$out/printing/$name.diff"; then
    head -n 20 "$out/printing/$name.diff" >&2
    fail "$name: other words came through Wine's spooler than the Linux build printed"
  elif [[ $all -ne $(pages "$linux") ]]; then
    fail "$name: $all pages came through Wine's spooler, the Linux build printed $(pages "$linux")"
  else
    echo "$name: $# job(s), $all page(s), the Linux build's words"
  fi
}

echo "-- The export onto a print queue through Wine's spooler"
mkdir -p "$out/printing"
printing_cases=(
  "HowellPV.txt 12 tables --from 2 --to 4 --numbering 2"
  "Duzo_Zb.txt 4 tables --boards 3 --absent 3"
  "HowellKS.txt 4 pairs"
  "HowellPV.txt 3 pairs --boards 9 --absent 5"
  "HowellKS.txt 7 sheet --numbering mitchell"
)
for case in "${printing_cases[@]}"; do
  read -r file line cards options <<<"$case"
  name=${file%.txt}-$line-$cards
  rm -f "$arrived"/*.pdf
  # shellcheck disable=SC2086
  "$linux_pdf" --cards "$cards" $options "$root/data/$file" "$line" "$out/printing/$name-linux.pdf" >/dev/null
  # shellcheck disable=SC2086
  if ! (cd "$out/printing" && run_wine "$program/rozstawiki-pdf.exe" --printer pdfq --cards "$cards" $options "$file" "$line" \
    >"$out/printing/$name.log" 2>&1); then
    cat "$out/printing/$name.log" >&2
    fail "rozstawiki-pdf.exe --printer pdfq $case"
    continue
  fi
  mapfile -t jobs < <(jobs_arrived 1)
  if ((${#jobs[@]} != 1)); then
    fail "$name: ${#jobs[@]} jobs reached the queue, not one"
    continue
  fi
  cp "${jobs[0]}" "$out/printing/$name-through-wine.pdf"
  same_as_linux "$name" "$out/printing/$name-linux.pdf" "${jobs[@]}"
done

missing_queue() {
  local locale=$1 expected=$2 log=$out/printing/missing-$1.log status=0
  (cd "$out/printing" && windows_locale=$locale run_wine "$program/rozstawiki-pdf.exe" --printer brak HowellKS.txt 1 \
    >/dev/null 2>"$log") || status=$?
  if [[ $status -ne 1 || "$(tr -d '\r' <"$log")" != "$expected" ]]; then
    fail "a queue Windows does not have, under $locale: exit $status, \"$(cat "$log")\""
  else
    echo "a queue Windows does not have, under $locale: exit 1, \"$expected\""
  fi
}
missing_queue pl_PL.UTF-8 "Nie ma drukarki brak w systemie Windows. Rozstawików nie wysłano."
missing_queue en_GB.UTF-8 "There is no printer brak in Windows. No table cards were sent."

# The window program, driven as a director drives it, on a display with a window manager (which
# gives each new window the keyboard). Coordinates are the forms' own, inside each window.
echo "-- The window program onto the queue through Wine's print dialog, by clicks and keys"
openbox >/dev/null 2>&1 &
window_manager=$!
rm -f "$arrived"/*.pdf
window_log=$out/printing/window.log
# Wine passes no QT_ variable of the host on; the user's environment in the registry, as on
# Windows, reaches the program.
qt_variables=("QT_LOGGING_RULES=rozstawiki.shown.info=true" "QT_FORCE_STDERR_LOGGING=1")
for variable in "${qt_variables[@]}"; do
  run_wine reg add 'HKCU\Environment' /v "${variable%%=*}" /d "${variable#*=}" /f >/dev/null 2>&1
done
windows_locale=pl_PL.UTF-8 run_wine "$program/rozstawiki.exe" >"$window_log" 2>&1 &
window_program=$!
# The window named NAME (its caption's beginning), once shown; empty after 60 s.
shown() { timeout 60 xdotool search --sync --onlyvisible --name "^$1" 2>/dev/null | head -n 1; }
click() {
  xdotool mousemove --window "$1" "$2" "$3" click 1
  sleep 1
}
# How many lines the window has said so far that begin with TEXT (the log is in the code page
# of a Polish Windows).
said() { iconv -f CP1250 -t UTF-8 "$window_log" | tr -d '\r' | grep -c "^rozstawiki.shown: $1" || true; }
drive_the_window() {
  local main settings dialog preview
  main=$(shown "Wydruk Rozstawików") && [[ -n $main ]] || { fail "no main window"; return; }
  sleep 2
  click "$main" 152 84        # "Wg Kestrela"
  click "$main" 40 38         # the list's first line, then the second chosen by the keys
  xdotool key Down Return
  sleep 1
  click "$main" 100 240       # the first numbering step
  click "$main" 154 312       # "Ustawienia Druku"
  settings=$(shown "Ustawienie parametrów") && [[ -n $settings ]] || { fail "no print settings window"; return; }
  click "$settings" 150 356   # "ParamStr": the page, read from Wine's print dialog on the queue it offers
  dialog=$(shown "Wydrukuj") && [[ -n $dialog ]] || { fail "no print dialog from Wine"; return; }
  xdotool key Return
  sleep 2
  click "$settings" 152 388   # "ParamDr": the dialog again, for the other settings
  dialog=$(shown "Wydrukuj") && [[ -n $dialog ]] || { fail "no print dialog from Wine for ParamDr"; return; }
  # "Liczba kopii" by a click: its letter, k, is also the one of "Wydrukuj do pliku" in Polish.
  click "$dialog" 370 166
  xdotool key End BackSpace
  xdotool type 2
  import -window root "$out/printing/dialog.png"
  xdotool key Return
  sleep 2
  import -window root "$out/printing/settings.png"
  click "$settings" 324 356   # "Wydruki": back to the main window
  click "$main" 92 344        # "Dodatk. ust. druku": each card a job of its own
  click "$main" 152 470       # "Drukuj"
  for _ in $(seq 300); do (($(said Przekazano) >= 1)) && break; sleep 0.2; done
  import -window root "$out/printing/printed.png"
  xdotool key alt+o           # "Podgląd"
  preview=$(shown "Podgląd wydruku") && [[ -n $preview ]] || { fail "no preview"; return; }
  sleep 2
  import -window root "$out/printing/preview.png"
  xdotool key alt+d           # the preview's "Drukuj"
  for _ in $(seq 300); do (($(said Przekazano) >= 2)) && break; sleep 0.2; done
}
drive_the_window
import -window root "$out/printing/window.png"
# "Koniec": Wine's spooler hands some jobs on only as the program ends.
click "$(shown "Wydruk Rozstawików")" 154 504
for _ in $(seq 100); do kill -0 "$window_program" 2>/dev/null || break; sleep 0.2; done
mapfile -t jobs < <(jobs_arrived 10)
kill "$window_program" 2>/dev/null || true
"$wineserver" -k 2>/dev/null || true
"$wineserver" -w
kill "$window_manager" 2>/dev/null || true
for variable in "${qt_variables[@]}"; do
  run_wine reg delete 'HKCU\Environment' /v "${variable%%=*}" /f >/dev/null 2>&1
done

# Each print: the line's five cards, each a job of its own, of which the print server counts two
# copies (cups-pdf writes one); ten cards, as the report counts them. Every job has the Linux
# build's card's words and page.
reported="Przekazano 10 rozstawików do kolejki wydruku drukarki pdfq. Co dalej dzieje się z zadaniem, program nie wie – widać to w kolejce drukarki w systemie Windows."
[[ $(said "$reported") -eq 2 ]] ||
  fail "the window did not say twice what the Windows road knows: $(iconv -f CP1250 -t UTF-8 "$window_log" | grep shown)"
if ((${#jobs[@]} != 10)); then
  fail "${#jobs[@]} jobs reached the queue from the window program, not 10"
else
  for table in 1 2 3 4 5; do
    "$linux_pdf" --from "$table" --to "$table" "$root/data/HowellKS.txt" 2 "$out/printing/table-$table-linux.pdf" >/dev/null
  done
  for print in 1 2; do
    for table in 1 2 3 4 5; do
      job=${jobs[$(((print - 1) * 5 + table - 1))]}
      cp "$job" "$out/printing/window-print-$print-table-$table.pdf"
      same_as_linux "window print $print, table $table" "$out/printing/table-$table-linux.pdf" "$job"
      copies=$(copies_counted "$job")
      [[ $copies == 2 ]] || fail "window print $print, table $table: the print server counted ${copies:-no} copies, not 2"
    done
  done
fi
