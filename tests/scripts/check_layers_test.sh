#!/usr/bin/env bash
# scripts/check-layers.sh on small trees: it passes a tree whose includes all
# point down and fails, naming the file, on an include that points up, one
# between two folders of the same floor, one of the platform from the core,
# and one of a folder it has no floor for; in src/ and in tools/velmora/,
# where the core and host/ stand below every floor and the platform and the
# plug-in's boundary may not be included at all.
set -uo pipefail
check=$(cd "$(dirname "$0")/../../scripts" && pwd)/check-layers.sh
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
failures=0

# expect NAME STATUS OUTPUT-PATTERN FILE INCLUDE: a checkout holding the one
# file FILE (under src/ or tools/velmora/) with `#include "INCLUDE"`, checked.
expect() {
  local name=$1 want_status=$2 pattern=$3 file=$4 include=$5 out status=0
  rm -rf "${tree:?}/src" "$tree/tools"
  mkdir -p "$tree/src" "$tree/$(dirname "$file")"
  printf '#pragma once\n#include <string>\n#include "%s"\n' "$include" >"$tree/$file"
  out=$("$check" "$tree" 2>&1) || status=$?
  if [ "$status" -ne "$want_status" ] || ! grep -Eq "$pattern" <<<"$out"; then
    echo "FAIL $name: status $status (want $want_status), output: $out"
    failures=$((failures + 1))
  else
    echo "ok   $name"
  fi
}

expect down 0 'points down' src/cabrillo/cabrillo_export.h log/qso_log.h
expect same_folder 0 'points down' src/log/qso_log.cc log/qso_log.h
expect platform_to_ports 0 'points down' src/platform/posix/x.cc ports/platform.h
expect up 1 'log/qso_entries.cc: includes "score/band_summary.h", not below log/' \
  src/log/qso_entries.cc score/band_summary.h
expect same_floor 1 'score/a.cc: includes "checks/call_check.h", not below score/' \
  src/score/a.cc checks/call_check.h
expect core_to_platform 1 'only the platform includes itself' src/plugin/plugin.cc platform/file_settings_store.h
expect platform_to_core 1 'not below platform/' src/platform/posix/x.cc log/qso_log.h
expect unknown_folder 1 'no floor' src/log/x.cc elsewhere/x.h
expect bare_include_elsewhere 1 'includes "qso_log.h", not a file of its folder' src/score/x.cc qso_log.h

expect velmora_down 0 'points down' tools/velmora/replay/contest.cc logs/log_reader.h
expect velmora_to_core 0 'points down' tools/velmora/util/x.cc text/ascii.h
expect velmora_to_host 0 'points down' tools/velmora/replay/x.cc host/plugin_host.h
expect velmora_root_on_top 0 'points down' tools/velmora/main.cc cli/commands.h
expect velmora_up 1 'velmora/logs/x.cc: includes "replay/contest.h", not below logs/' \
  tools/velmora/logs/x.cc replay/contest.h
expect velmora_same_floor 1 'includes "stations/country_file.h", not below logs/' \
  tools/velmora/logs/x.cc stations/country_file.h
expect velmora_to_root 1 'includes "version.h", not a file of its folder' \
  tools/velmora/cli/x.cc version.h
expect velmora_to_platform 1 'tools/ never includes the platform' \
  tools/velmora/outputs/x.cc platform/file_settings_store.h
expect velmora_to_boundary 1 'only through its exported entries' \
  tools/velmora/replay/x.cc plugin/plugin.h
expect velmora_unknown_folder 1 'folder gui/ has no floor' tools/velmora/gui/x.cc logs/log_qso.h
expect velmora_tests_stand_outside 0 'points down' tools/velmora/tests/x_test.cc platform/x.h

[ "$failures" -eq 0 ]
