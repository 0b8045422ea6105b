#!/usr/bin/env bash
# scripts/check-layers.sh on small trees: it passes a tree whose includes all
# point down and fails, naming the file, on an include that points up, one
# between two folders of the same floor, one of the platform from the core,
# and one of a folder it has no floor for.
set -uo pipefail
check=$(cd "$(dirname "$0")/../../scripts" && pwd)/check-layers.sh
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
failures=0

# expect NAME STATUS OUTPUT-PATTERN FILE INCLUDE: a tree of one file
# FILE holding `#include "INCLUDE"`, checked.
expect() {
  local name=$1 want_status=$2 pattern=$3 file=$4 include=$5 out status=0
  rm -rf "${tree:?}/src"
  mkdir -p "$tree/src/$(dirname "$file")"
  printf '#pragma once\n#include <string>\n#include "%s"\n' "$include" >"$tree/src/$file"
  out=$("$check" "$tree/src" 2>&1) || status=$?
  if [ "$status" -ne "$want_status" ] || ! grep -Eq "$pattern" <<<"$out"; then
    echo "FAIL $name: status $status (want $want_status), output: $out"
    failures=$((failures + 1))
  else
    echo "ok   $name"
  fi
}

expect down 0 'points down' cabrillo/cabrillo_export.h log/qso_log.h
expect same_folder 0 'points down' log/qso_log.cc log/qso_log.h
expect platform_to_ports 0 'points down' platform/posix/x.cc ports/platform.h
expect up 1 'log/qso_entries.cc: includes "score/band_summary.h", not below log/' \
  log/qso_entries.cc score/band_summary.h
expect same_floor 1 'score/a.cc: includes "checks/call_check.h", not below score/' \
  score/a.cc checks/call_check.h
expect core_to_platform 1 'only the platform includes itself' plugin/plugin.cc platform/file_settings_store.h
expect platform_to_core 1 'not below platform/' platform/posix/x.cc log/qso_log.h
expect unknown_folder 1 'no floor' log/x.cc elsewhere/x.h

[ "$failures" -eq 0 ]
