#!/usr/bin/env bash
# Runs a command in a private user and mount namespace in which every 32-bit
# x86 program is handed to qemu-i386 by a binfmt_misc entry of its own. The
# machine itself is left untouched: nothing outside the namespace sees the
# entry. The entry comes before the kernel's own loader, so this also works
# on a machine that runs 32-bit programs natively.
# Usage: emulate-i386.sh COMMAND [ARGS...]
set -euo pipefail
qemu=/usr/bin/qemu-i386

fail() { echo "emulate-i386: $*" >&2; exit 2; }

[ -x "$qemu" ] || fail "$qemu is missing: scripts/install-deps.sh installs qemu-user from the backports suite on a machine that needs it (or with VELMORA_WINE=emulated)"
version=$("$qemu" --version 2>/dev/null | awk 'NR == 1 { print $3 }') || true
[ "${version%%.*}" -ge 8 ] 2>/dev/null \
  || fail "$qemu is version ${version:-unknown}: Wine needs the one of the backports suite (8 or later); the release's own is far too slow and hangs in message boxes"
command -v unshare >/dev/null || fail "unshare is missing (Debian's util-linux)"
unshare --user --map-root-user --mount true 2>/dev/null \
  || fail "this machine allows no user namespaces, so qemu-i386 cannot be registered privately (kernel.unprivileged_userns_clone or a container's seccomp profile forbids them)"

# An ELF header of a 32-bit x86 executable; the OS/ABI byte is masked, since
# Debian's ld-linux.so.2 is marked "UNIX - GNU". Flag F opens the interpreter
# now, so it is found whatever the programs' own root.
entry=':velmora-i386:M::\x7f\x45\x4c\x46\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
entry+=':\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
entry+=":$qemu:F"

exec unshare --user --map-root-user --mount --propagation private -- bash -c '
  mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc 2>/dev/null \
    || { echo "emulate-i386: cannot mount a private binfmt_misc in the namespace" >&2; exit 2; }
  echo "$1" >/proc/sys/fs/binfmt_misc/register 2>/dev/null \
    || { echo "emulate-i386: cannot register qemu-i386 with binfmt_misc" >&2; exit 2; }
  shift
  exec "$@"' emulate-i386 "$entry" "$@"
