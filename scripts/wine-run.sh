#!/bin/sh
# Runs a Windows program under Wine in the given private 32-bit prefix,
# creating the prefix on first use (serialised, since tests run in parallel).
# Meant to run inside scripts/wine-session.sh, which picks the way this
# machine runs 32-bit programs.
# Usage: wine-run.sh PREFIX PROGRAM [ARGS...]
set -e
prefix=$1
shift
export WINEPREFIX="$prefix" WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$prefix/system.reg" ]; then
  mkdir -p "$(dirname "$prefix")"
  flock "$prefix.lock" sh -c '[ -f "$WINEPREFIX/system.reg" ] || wineboot -i >/dev/null 2>&1 </dev/null' \
    || { echo "wine-run: wineboot could not create the prefix $prefix" >&2; exit 2; }
fi
status=0
wine "$@" || status=$?
case $status in
  126) echo "wine-run: Wine cannot run here (exit 126): this machine runs no 32-bit programs; run the Windows tests through scripts/wine-session.sh, which emulates them" >&2 ;;
  127) echo "wine-run: wine is missing (exit 127): scripts/install-deps.sh installs it" >&2 ;;
esac
exit $status
