#!/usr/bin/env bash
# Installs, as root on Debian 12, every package the build and the tests need
# that is not there yet. Does nothing when all are present.
set -euo pipefail

packages=(
  cmake make g++ pkg-config         # the native build
  googletest libgtest-dev libgmock-dev  # unit and scenario tests (sources also built for Windows)
  libbenchmark-dev                  # benchmarks
  g++-mingw-w64-i686                # the 32-bit Windows DLL
  wine wine32:i386                  # running the Windows tests
  xvfb xauth x11-apps imagemagick   # a display for message boxes and dialogs, screenshots
  hamradio-files                    # the country file cty.dat
  libcli11-dev                      # velmora's command-line parser (header-only, also for MinGW)
  clang                             # the fuzz preset's compiler (libFuzzer instrumentation)
  libclang-rt-14-dev                # libFuzzer and the sanitizer runtimes clang links
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -ne 0 ]; then
  echo "install-deps: run as root to install the missing packages" >&2
  exit 1
fi
dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
