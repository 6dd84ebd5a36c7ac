#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets with clang, AddressSanitizer and UBSan, and runs each for the
# given number of seconds, as many at once as there are cores, starting from its seed corpus in
# tests/fuzz/corpus. What a run
# finds stays in build-fuzz/ (corpus/ and the crash-* files); the seeds in the repository are
# only read. Fails when any target crashes.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-30}
build=build-fuzz

CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DROZSTAWIKI_FUZZ=ON -DROZSTAWIKI_WERROR=ON >/dev/null
cmake --build "$build" -j "$(nproc)"

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
targets=(scheme-file typed-scheme arbitrary-numbers pair-cards-sheet)
mkdir -p "$build/crashes"

# One target's run, its report in its log; its status is its exit status.
fuzz() {
  local target=$1 work="$build/corpus/$1"
  mkdir -p "$work"
  "$build/tests/fuzz/fuzz-$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$build/crashes/$target-" "$work" "tests/fuzz/corpus/$target" \
    >"$build/$target.log" 2>&1
}

# Each target runs on one core: as many at once as the machine has cores, each for its seconds.
echo "== Fuzzing ${targets[*]} for $seconds s each, $(nproc) at a time"
declare -A running=()
failed=()
wait_one() {
  local pid
  wait -n -p pid "${!running[@]}" || failed+=("${running[$pid]}")
  unset "running[$pid]"
}
for target in "${targets[@]}"; do
  ((${#running[@]} < $(nproc))) || wait_one
  fuzz "$target" &
  running[$!]=$target
done
while ((${#running[@]} > 0)); do wait_one; done

for target in "${targets[@]}"; do
  echo "== fuzz-$target"
  grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb)' "$build/$target.log" || true
done
for target in "${failed[@]}"; do
  log="$build/$target.log"
  grep -E '^(==|SUMMARY|broken|artifact_prefix|Test unit written)' "$log" >&2 || true
  echo "fuzz-$target found a crash; its input is in $build/crashes/ and its report in $log" >&2
done
((${#failed[@]} == 0))
