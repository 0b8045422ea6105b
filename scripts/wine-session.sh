#!/usr/bin/env bash
# Runs a command (normally ctest over the Windows build) inside one X display
# and one persistent Wine server, so that every Windows test program starts
# fast and real message boxes and dialogs can appear. On a machine whose
# kernel runs no 32-bit programs (or with VELMORA_WINE=emulated) the whole
# session runs under qemu-i386 (scripts/wine-path.sh says how it is chosen).
# Usage: wine-session.sh PREFIX COMMAND [ARGS...]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
prefix=$1
shift

if [ -z "${VELMORA_WINE_SESSION:-}" ]; then
  . "$here/wine-path.sh"
  path=$(wine_path)
  export VELMORA_WINE_SESSION=$path
  if [ "$path" = emulated ]; then
    exec "$here/emulate-i386.sh" "$0" "$prefix" "$@"
  fi
fi
if [ -z "${VELMORA_IN_XVFB:-}" ]; then
  # Wine must start on the chosen path before anything relies on it: a 126
  # (the kernel cannot run the program) or 127 (not installed) would otherwise
  # surface as a silent failure of the first tool that needs it.
  loader=${VELMORA_WINE_LOADER:-/usr/lib/wine/wine}
  status=0
  "$loader" --version >/dev/null 2>&1 || status=$?
  case $status in
    0) ;;
    126) echo "wine-session: the 32-bit Wine cannot run here (exit 126, no 32-bit support on the $VELMORA_WINE_SESSION path); leave VELMORA_WINE unset or set it to emulated" >&2; exit 2 ;;
    127) echo "wine-session: $loader is missing (Debian's wine32:i386; scripts/install-deps.sh installs it)" >&2; exit 2 ;;
    *) echo "wine-session: $loader --version failed with status $status" >&2; exit 2 ;;
  esac
  export VELMORA_IN_XVFB=1
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$prefix" "$@"
fi

export WINEPREFIX="$prefix" WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$(dirname "$prefix")"
if [ ! -f "$prefix/system.reg" ]; then
  wineboot -i >/dev/null 2>&1 </dev/null || { echo "wine-session: wineboot could not create the prefix $prefix" >&2; exit 2; }
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
