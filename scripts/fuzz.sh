#!/usr/bin/env bash
# Builds the fuzz preset and runs every libFuzzer target for SECONDS (default
# 30) each, starting from its seed corpus in fuzz/corpus/<target>/. Fails as
# soon as a target reports a finding (crash, sanitizer report, broken promise,
# timeout or out-of-memory); the input that did it is kept in
# build/fuzz/findings/. New inputs go to build/fuzz/corpus/, never to the repo.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-30}"
# libFuzzer reads 0 as "no limit".
case "$seconds" in
  ''|*[!0-9]*|0) echo "usage: scripts/fuzz.sh [SECONDS], SECONDS at least 1" >&2; exit 2 ;;
esac
root="$PWD"

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

mkdir -p build/fuzz/corpus build/fuzz/findings
# The targets' scratch folders (made under the temporary directory) go here
# and are cleared on every run.
export TMPDIR="$root/build/fuzz/tmp"
rm -rf "$TMPDIR"
mkdir -p "$TMPDIR"
for target in entry_sequence_fuzzer ref_file_fuzzer settings_file_fuzzer \
              adif_reader_fuzzer cabrillo_reader_fuzzer hand_over_fuzzer \
              n1mm_packet_fuzzer wsjtx_packet_fuzzer; do
  corpus="$root/build/fuzz/corpus/$target"
  log="$root/build/fuzz/$target.log"
  mkdir -p "$corpus"
  # Absolute paths: a target may change its current directory when it starts.
  if ! "$root/build/fuzz/fuzzers/$target" -max_total_time="$seconds" -timeout=10 \
        -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$root/build/fuzz/findings/$target-" \
        "$corpus" "$root/fuzz/corpus/$target" >"$log" 2>&1; then
    tail -n 40 "$log" >&2
    echo "fuzz: $target found a problem; see $log and build/fuzz/findings/" >&2
    exit 1
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  echo "fuzz: $target: $runs executions in $seconds s, no findings"
done
