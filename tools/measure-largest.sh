#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Times the export of the largest movement the program takes, 99 rounds on 48 tables, for each
# product with and without board numbers and an absent pair: the median wall time, processor time
# (user and system, which other work on the machine disturbs less) and peak memory of RUNS runs
# each (default 7), as a Markdown table. Usage: tools/measure-largest.sh [BUILD] [RUNS]
set -euo pipefail
build=${1:-build}
runs=${2:-7}
export=$build/src/rozstawiki-pdf
[[ -x $export ]] || { echo "no $export: build it first" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# 48 tables start on sets 1..48 with pairs 1..96; the other 51 sets start nowhere.
python3 -c "print('99 48 ' + ' '.join(f'{2*t-1} {2*t}' for t in range(1, 49)) + ' 0' * 51)" >"$work/big.txt"

echo "| product | settings | wall time | processor time | peak memory |"
echo "|---|---|---|---|---|"
for cards in tables pairs sheet; do
  for settings in "" "--boards 9" "--absent 5" "--boards 9 --absent 5"; do
    times=()
    cpus=()
    memories=()
    for ((k = 0; k < runs; k++)); do
      # shellcheck disable=SC2086
      read -r seconds user system kilobytes < <(/usr/bin/time -f "%e %U %S %M" "$export" --cards "$cards" $settings \
        "$work/big.txt" 1 "$work/out.pdf" 2>&1 >/dev/null | tail -1)
      times+=("$seconds")
      cpus+=("$(awk -v u="$user" -v s="$system" 'BEGIN { print u + s }')")
      memories+=("$kilobytes")
    done
    median() { printf '%s\n' "$@" | sort -n | sed -n "$(((runs + 1) / 2))p"; }
    printf '| %s | %s | %.2f s | %.2f s | %s MB |\n' "$cards" "${settings:-none}" "$(median "${times[@]}")" \
      "$(median "${cpus[@]}")" "$(awk -v k="$(median "${memories[@]}")" 'BEGIN { printf "%.1f", k / 1024 }')"
  done
done
