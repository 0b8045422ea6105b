#!/usr/bin/env bash
# Builds the native plug-in and its benchmarks, runs every benchmark through
# the exported entries and prints the figures with their ratios to the
# baselines measured in the same run, as a Markdown table.
#   scripts/bench.sh                                   everything (a few minutes)
#   scripts/bench.sh --benchmark_filter='GetResult'    any Google Benchmark option
# Standard input comes from /dev/null: natively the export's header dialog is
# a form on the terminal, and without a terminal it counts as cancelled.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

cmake --preset linux >/dev/null
cmake --build --preset linux --target velmora_bench >/dev/null
results=build/linux/bench-results.json
build/linux/bench/velmora_bench --benchmark_out="$results" --benchmark_out_format=json "$@" </dev/null
python3 scripts/bench_table.py "$results"
