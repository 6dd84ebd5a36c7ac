#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets with clang, AddressSanitizer and UBSan, and runs each for the
# given number of seconds, starting from its seed corpus in tests/fuzz/corpus. What a run
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
for target in scheme-file typed-scheme arbitrary-numbers pair-cards-sheet; do
  work="$build/corpus/$target"
  mkdir -p "$work" "$build/crashes"
  echo "== Fuzzing $target for $seconds s"
  log="$build/$target.log"
  status=0
  "$build/tests/fuzz/fuzz-$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$build/crashes/$target-" "$work" "tests/fuzz/corpus/$target" \
    >"$log" 2>&1 || status=$?
  grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb)' "$log" || true
  if [[ $status -ne 0 ]]; then
    grep -E '^(==|SUMMARY|broken|artifact_prefix|Test unit written)' "$log" >&2 || true
    echo "fuzz-$target found a crash; its input is in $build/crashes/ and its report in $log" >&2
    exit 1
  fi
done
