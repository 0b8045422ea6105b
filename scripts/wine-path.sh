# Sourced by the scripts that run Wine: tells which way this machine runs the
# 32-bit Windows test programs.
#   native    the kernel runs 32-bit programs: Wine runs as it is;
#   emulated  the kernel runs 64-bit code only: every 32-bit program runs
#             under qemu-i386, registered in a private namespace
#             (scripts/emulate-i386.sh).
# VELMORA_WINE=native or VELMORA_WINE=emulated forces a path; unset or "auto",
# the machine is asked, by starting the 32-bit Wine loader (VELMORA_WINE_LOADER,
# Debian's /usr/lib/wine/wine unless set).

# Prints "native" or "emulated"; on anything else says why on standard error
# and returns 2.
wine_path() {
  case "${VELMORA_WINE:-auto}" in
    native|emulated) echo "$VELMORA_WINE"; return 0 ;;
    auto) ;;
    *) echo "VELMORA_WINE is '$VELMORA_WINE': use native, emulated or auto" >&2; return 2 ;;
  esac
  local loader=${VELMORA_WINE_LOADER:-/usr/lib/wine/wine} status=0
  "$loader" --version >/dev/null 2>&1 || status=$?
  case $status in
    0) echo native ;;
    126) echo emulated ;;  # "Exec format error": no 32-bit user code on this kernel
    127) echo "cannot tell whether this machine runs 32-bit programs: $loader is missing (Debian's wine32:i386; scripts/install-deps.sh installs it)" >&2; return 2 ;;
    *) echo "cannot tell whether this machine runs 32-bit programs: $loader --version exited with status $status" >&2; return 2 ;;
  esac
}

# One line saying which path is taken and why.
wine_path_reason() {
  case "$1" in
    native) [ "${VELMORA_WINE:-auto}" = native ] && echo "native (forced by VELMORA_WINE)" \
              || echo "native: this machine runs 32-bit programs" ;;
    emulated) [ "${VELMORA_WINE:-auto}" = emulated ] && echo "emulated under qemu-i386 (forced by VELMORA_WINE)" \
                || echo "emulated under qemu-i386: this machine's kernel runs no 32-bit programs" ;;
  esac
}
