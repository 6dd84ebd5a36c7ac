#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every quotation in the given manual pages, as groff prints them, opens with „ and closes with ”,
# as Polish quotes; no other curly quotation mark appears.
set -euo pipefail
status=0
for page in "$@"; do
  text=$(groff -man -Tutf8 -K utf8 "$page" 2>/dev/null)
  opening=$(grep -o '„' <<<"$text" | wc -l || true)
  closing=$(grep -o '”' <<<"$text" | wc -l || true)
  others=$(grep -o '[‚‘’“]' <<<"$text" | sort -u | tr -d '\n' || true)
  if [[ "$opening" != "$closing" || -n "$others" ]]; then
    echo "$page: „ $opening times, ” $closing times, other marks: '$others'" >&2
    status=1
  fi
done
exit "$status"
