#!/usr/bin/env bash
# The main job on the bundled sample: installs what the Linux build needs
# (no Windows or test tools), builds the native plug-in and velmora alone
# (the release preset, no tests), then scores the example log with a
# Cabrillo export, as the logging host would, in a scratch copy of examples/
# under build/ (the repository stays as it is). Prints the summary table,
# the reading report and the name of the Cabrillo file; then draws the same
# contest as a report page.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --linux-build

cmake --preset release >/dev/null
cmake --build --preset release --target velmora >/dev/null
velmora=build/release/velmora

work=build/demo
rm -rf "$work"
cp -r examples "$work"
echo "== velmora score examples/contest.adi --cabrillo (working folder $work)"
"$velmora" score examples/contest.adi --dir "$work" --cabrillo
echo "== velmora report examples/contest.adi --out $work/contest.html"
"$velmora" report examples/contest.adi --dir "$work" --out "$work/contest.html" 2>&1 |
  tail -n 1
