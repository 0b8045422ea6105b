#!/usr/bin/env bash
# Builds the two release packages into build/packages/, from the linux and
# win32 presets, building only what they hold:
#   velmora_<version>_amd64.deb     velmora, the plug-in, the manual page, the docs
#   Velmora-<version>-win32.zip     Stats.dll, velmora.exe, INSTALL.txt, README, licence
# The test command tests both (tests/packaging/).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

for preset in linux win32; do
  echo "== $preset: the package"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" --target velmora_release
  cmake --build --preset "$preset" --target package
done
echo "== build/packages"
ls -l build/packages/*.deb build/packages/*.zip
