#!/usr/bin/env bash
# How the Windows test stage picks its way of running 32-bit programs, and
# that every way it cannot run ends in one clear line and a failure, never in
# silence. Stand-ins replace the Wine loader and unshare, so the cases run on
# any machine.
set -uo pipefail
scripts=$(cd "$(dirname "$0")/../../scripts" && pwd)
stubs=$(mktemp -d)
trap 'rm -rf "$stubs"' EXIT
failures=0

# A loader that exits with the given status, as the kernel makes a 32-bit
# program do: 0 where it runs, 126 where it cannot be executed.
loader_exiting() { printf '#!/bin/sh\nexit %s\n' "$1" >"$stubs/wine-$1"; chmod +x "$stubs/wine-$1"; echo "$stubs/wine-$1"; }

# expect NAME STATUS OUTPUT-PATTERN COMMAND...: runs COMMAND, checks its exit
# status and that its combined output matches the extended regex.
expect() {
  local name=$1 want_status=$2 pattern=$3 out status=0
  shift 3
  out=$("$@" 2>&1) || status=$?
  if [ "$status" -ne "$want_status" ] || ! grep -Eq "$pattern" <<<"$out"; then
    echo "FAIL $name: status $status (want $want_status), output: $out"
    failures=$((failures + 1))
  else
    echo "ok   $name"
  fi
}

path_of() { VELMORA_WINE=$1 VELMORA_WINE_LOADER=$2 bash -c '. "$0/wine-path.sh" && wine_path' "$scripts"; }

expect "a loader that runs means native" 0 '^native$' path_of auto "$(loader_exiting 0)"
expect "exit 126 means emulated" 0 '^emulated$' path_of "" "$(loader_exiting 126)"
expect "a missing loader is named" 2 'is missing' path_of auto "$stubs/no-such-wine"
expect "another failure gives its status" 2 'exited with status 3' path_of auto "$(loader_exiting 3)"
expect "native can be forced" 0 '^native$' path_of native "$(loader_exiting 126)"
expect "emulated can be forced" 0 '^emulated$' path_of emulated "$(loader_exiting 0)"
expect "an unknown choice is refused" 2 "VELMORA_WINE is 'qemu'" path_of qemu "$(loader_exiting 0)"

# Forced native on a machine without 32-bit support: the session stops with
# one line before it starts a display or a Wine server.
expect "a session that cannot run Wine says so" 2 'cannot run here \(exit 126' \
  env VELMORA_WINE=native VELMORA_WINE_LOADER="$(loader_exiting 126)" \
  "$scripts/wine-session.sh" "$stubs/prefix" true

# No user namespaces: the emulated path cannot register qemu-i386.
printf '#!/bin/sh\nexit 1\n' >"$stubs/unshare"
chmod +x "$stubs/unshare"
if [ -x /usr/bin/qemu-i386 ]; then
  expect "no user namespaces is named" 2 'allows no user namespaces' \
    env PATH="$stubs:$PATH" "$scripts/emulate-i386.sh" true
else
  expect "a missing qemu-i386 is named" 2 'qemu-i386 is missing' \
    env PATH="$stubs:$PATH" "$scripts/emulate-i386.sh" true
fi

[ "$failures" -eq 0 ]
