#!/usr/bin/env bash
# Installs, as root on Debian 12, the packages that are not there yet:
#   scripts/install-deps.sh               everything the test command needs
#                                         (builds, tests, packages);
#   scripts/install-deps.sh --linux-build only what the Linux build of
#                                         velmora and the plug-in needs, and
#                                         velmora's default country file (the
#                                         main job, scripts/demo.sh).
# Does nothing when all are present.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

linux_build=(
  cmake make g++                    # the native build of velmora and libStats.so
  libcli11-dev                      # velmora's command-line parser (header-only, also for MinGW)
  libboost-dev                      # velmora live: Asio, Beast, PropertyTree (header-only, also for MinGW)
  hamradio-files                    # the country file cty.dat, velmora's default
)
the_rest=(
  pkg-config                        # kept from the earlier single list, for the full builds
  googletest libgtest-dev libgmock-dev  # unit and scenario tests (sources also built for Windows)
  libbenchmark-dev                  # benchmarks
  g++-mingw-w64-i686                # the 32-bit Windows DLL
  wine wine32:i386                  # running the Windows tests
  xvfb xauth x11-apps imagemagick   # a display for message boxes and dialogs, screenshots
  clang                             # the fuzz preset's compiler (libFuzzer instrumentation)
  libclang-rt-14-dev                # libFuzzer and the sanitizer runtimes clang links
  chromium fonts-dejavu-core        # rendering velmora's report page headless in the tests
  python3                           # the page checks and the benchmark table
  help2man                          # velmora's manual page, from its help
  dpkg-dev lintian                  # the Debian package's dependencies (dpkg-shlibdeps), its check
  strace                            # velmora's tests: kills aimed at its writes, the files an export writes
)
case "${1:-}" in
  --linux-build) packages=("${linux_build[@]}") ;;
  "") packages=("${linux_build[@]}" "${the_rest[@]}") ;;
  *) echo "usage: install-deps.sh [--linux-build]" >&2; exit 2 ;;
esac

need_root() {
  if [ "$(id -u)" -ne 0 ]; then
    echo "install-deps: run as root to install: $*" >&2
    exit 1
  fi
}

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
export DEBIAN_FRONTEND=noninteractive
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  need_root "${missing[@]}"
  if [[ " ${missing[*]} " == *:i386* ]]; then
    dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
  fi
  "$here/apt-update.sh"
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

[ "${1:-}" = --linux-build ] && exit 0

# A machine whose kernel runs no 32-bit programs runs the Windows tests under
# qemu-i386, which must come from the backports suite: the release's own
# qemu-user is far too slow for Wine and hangs in message boxes.
. "$here/wine-path.sh"
path=$(wine_path) || exit 2
[ "$path" = emulated ] || exit 0
qemu_version=$(dpkg-query -W -f='${Version}' qemu-user 2>/dev/null || true)
if [ -n "$qemu_version" ] && dpkg --compare-versions "$qemu_version" ge 1:8; then
  exit 0
fi
"$here/add-backports.sh"
echo "Installing: qemu-user from the backports suite (the emulated path of the Windows tests runs Wine under it)"
. /etc/os-release
apt-get install -y -qq --no-install-recommends "qemu-user/${VERSION_CODENAME}-backports" >/dev/null \
  || { echo "install-deps: qemu-user of ${VERSION_CODENAME}-backports could not be installed, so the Windows tests cannot run on this machine" >&2; exit 1; }
