#!/usr/bin/env bash
# Checks that every include of src/ and tools/velmora/ points down its floors
# (scripts/check-layers.sh), then builds everything and runs every test: the
# native plug-in with its unit and
# scenario tests, the same under AddressSanitizer and UndefinedBehaviorSanitizer,
# the Windows DLL with its scenario and export-table tests under Wine, the
# release packages (made in build/packages/ and tested in the linux and win32
# stages, tests/packaging/), the main job's build (the release preset), and
# every fuzz target for 30 s (scripts/fuzz.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
# Which way the Windows tests will run here, found out before anything is
# built, so that a machine that can run them neither way stops at once.
. scripts/wine-path.sh
wine=$(wine_path)

start=$(date +%s)
echo "== layers: no include of src/ or tools/velmora/ points up"
scripts/check-layers.sh
for preset in linux linux-sanitize win32 release; do
  echo "== $preset: configure and build"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
done

echo "== linux: tests"
ctest --preset linux
echo "== linux-sanitize: tests"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --preset linux-sanitize
echo "== win32: tests under Wine, $(wine_path_reason "$wine")"
scripts/wine-session.sh "$PWD/build/win32/wineprefix" ctest --preset win32
echo "== packages made and tested"
ls -l build/packages/*.deb build/packages/*.zip
echo "== fuzz: every target for 30 s"
scripts/fuzz.sh 30

echo "== all tests passed in $(( $(date +%s) - start )) s"
