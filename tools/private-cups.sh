#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A CUPS scheduler of the tests' own, beside whatever print system the machine has:
#
#   private-cups.sh start DIR               starts it afresh in DIR; clients reach it with
#                                           CUPS_SERVER=DIR/cups.sock
#   private-cups.sh add-pdf-queue DIR NAME  adds a cups-pdf queue NAME that writes into DIR/out-NAME
#   private-cups.sh stop DIR                stops it and removes DIR
#
# Its configuration, spool, cache, state, logs and socket all live in DIR, which must be short
# (a socket path has at most 107 bytes) and open to the scheduler's "lp" user, who runs the
# filters: a folder under /tmp suits. The cups-pdf backend runs as root, and so must this script.
#
# cups-pdf reads its settings from /etc/cups only, then from the queue's PPD, which overrides
# them. A PPD value cannot hold a "/", so the PPD names folders relative to the scheduler's
# working folder, which is DIR: the backend inherits it.
set -euo pipefail

usage() {
  echo "usage: $0 start DIR | add-pdf-queue DIR NAME | stop DIR" >&2
  exit 2
}
[[ $# -ge 2 ]] || usage
command=$1
dir=$2

stop() {
  if [[ -f "$dir/cupsd.pid" ]]; then
    local pid
    pid=$(<"$dir/cupsd.pid")
    # Only the scheduler started here: after a reboot the number may be another process's.
    if grep -qF "$dir/conf/cupsd.conf" "/proc/$pid/cmdline" 2>/dev/null && kill "$pid" 2>/dev/null; then
      for _ in $(seq 100); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.05
      done
      kill -KILL "$pid" 2>/dev/null || true
    fi
  fi
  rm -rf "$dir"
}

start() {
  [[ $(id -u) -eq 0 ]] || { echo "$0: the private print server needs root (cups-pdf runs as root)" >&2; exit 1; }
  stop  # what a run that was interrupted left behind
  mkdir -p "$dir"
  chmod 755 "$dir"
  # cups-pdf cannot make a folder named by a relative path: they are all made here.
  mkdir "$dir/conf" "$dir/log" "$dir/pdf-spool" "$dir/out"
  install -d -m 1770 -o root -g lp "$dir/tmp"

  cat >"$dir/conf/cups-files.conf" <<EOF
ServerRoot $dir/conf
RequestRoot $dir/spool
CacheDir $dir/cache
StateDir $dir/state
TempDir $dir/tmp
AccessLog $dir/log/access_log
ErrorLog $dir/log/error_log
PageLog $dir/log/page_log
Printcap $dir/state/printcap
User lp
Group lp
SystemGroup root
EOF
  # Anyone on the socket may do anything: only the tests reach it.
  cat >"$dir/conf/cupsd.conf" <<EOF
LogLevel warn
Listen $dir/cups.sock
Browsing No
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF
  # The PDF printer's PPD with the backend's folders; "Out" is set per queue.
  {
    cat /usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd
    local setting key value
    for setting in Out:out Spool:pdf-spool Log:log Label:2; do
      key=${setting%%:*}
      value=${setting#*:}
      printf '*OpenUI *%s/%s: PickOne\n*Default%s: %s\n*%s %s/%s: ""\n*CloseUI: *%s\n' \
        "$key" "$key" "$key" "$value" "$key" "$value" "$value" "$key"
    done
  } >"$dir/cups-pdf.ppd"

  (cd "$dir" && exec /usr/sbin/cupsd -f -c "$dir/conf/cupsd.conf" -s "$dir/conf/cups-files.conf" \
    </dev/null >"$dir/log/cupsd.out" 2>&1) &
  echo $! >"$dir/cupsd.pid"
  for _ in $(seq 200); do
    if lpstat -h "$dir/cups.sock" -r >/dev/null 2>&1; then
      return 0
    fi
    sleep 0.05
  done
  echo "$0: the private print server did not start; see $dir/log" >&2
  cat "$dir/log/cupsd.out" "$dir/log/error_log" >&2 2>/dev/null || true
  exit 1
}

add_pdf_queue() {
  local name=$1
  [[ "$name" =~ ^[A-Za-z0-9-]+$ ]] || { echo "$0: a queue name of letters, digits and '-' only" >&2; exit 2; }
  mkdir -p "$dir/out-$name"
  sed "s/^\*DefaultOut: out\$/*DefaultOut: out-$name/" "$dir/cups-pdf.ppd" >"$dir/$name.ppd"
  # cups-pdf takes PostScript only. Made by pdftocairo, the PostScript keeps the text of the PDF
  # cups-pdf writes readable; made by Ghostscript, it does not. lpadmin warns that PPDs are
  # deprecated; the queue is made all the same.
  CUPS_SERVER="$dir/cups.sock" lpadmin -p "$name" -E -v cups-pdf:/ -P "$dir/$name.ppd" \
    -o pdftops-renderer-default=pdftocairo 2>/dev/null
}

case "$command" in
  start) start ;;
  stop) stop ;;
  add-pdf-queue)
    [[ $# -eq 3 ]] || usage
    add_pdf_queue "$3"
    ;;
  *) usage ;;
esac
