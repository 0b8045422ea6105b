#!/usr/bin/env bash
# Runs a command (normally ctest over the Windows build) inside one X display
# and one persistent Wine server, so that every Windows test program starts
# fast and real message boxes and dialogs can appear.
# Usage: wine-session.sh PREFIX COMMAND [ARGS...]
set -euo pipefail
prefix=$1
shift
if [ -z "${VELMORA_IN_XVFB:-}" ]; then
  export VELMORA_IN_XVFB=1
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$prefix" "$@"
fi
export WINEPREFIX="$prefix" WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$(dirname "$prefix")"
if [ ! -f "$prefix/system.reg" ]; then
  wineboot -i >/dev/null 2>&1 </dev/null
  # A virtual desktop gives the windows title bars without a window manager.
  wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1 </dev/null
  wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1 </dev/null
  wineserver -w
fi
wineserver -p
# Without this warm-up, Wine's services inherit the command's output pipe
# and a caller reading it (ctest) waits forever.
wine cmd /c exit >/dev/null 2>&1 </dev/null
status=0
"$@" || status=$?
wineserver -k || true
exit $status
