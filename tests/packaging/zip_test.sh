#!/bin/sh
# The Windows zip as a user gets it, unpacked: one folder with exactly
# Stats.dll (the build's stripped DLL, byte for byte), velmora.exe (no debug
# information), INSTALL.txt naming this version and where the DLL and
# ref.txt go, the README and the licence, the texts with CR LF line ends.
# Usage: zip_test.sh ZIP SCRATCH VERSION BUILT_DLL OBJDUMP CMAKE
set -eu
zip=$1 scratch=$2 version=$3 built_dll=$4 objdump=$5 cmake=$6
fail() { echo "zip_test: $*" >&2; exit 1; }

[ -f "$zip" ] || fail "$zip was not made"
rm -rf "$scratch"
mkdir -p "$scratch"
(cd "$scratch" && "$cmake" -E tar xf "$zip")
folder=Velmora-$version-win32
files=$(cd "$scratch" && find . -type f | sed 's|^\./||' | sort | tr '\n' ' ')
expected="$folder/INSTALL.txt $folder/LICENSE.txt $folder/README.txt $folder/Stats.dll $folder/velmora.exe "
[ "$files" = "$expected" ] || fail "the zip holds '$files', not '$expected'"
folder=$scratch/$folder

cmp "$folder/Stats.dll" "$built_dll" || fail "Stats.dll is not the build's stripped DLL"
for module in Stats.dll velmora.exe; do
  ! "$objdump" -h "$folder/$module" | grep -q '\.debug' || fail "$module carries debug information"
done

cr=$(printf '\r')
for text in INSTALL.txt LICENSE.txt README.txt; do
  [ -s "$folder/$text" ] || fail "$text is empty"
  ! grep -qv "$cr\$" "$folder/$text" || fail "$text has lines without CR LF"
done
grep -q "^Velmora $version for Windows$cr\$" "$folder/INSTALL.txt" || fail "INSTALL.txt names no version $version"
grep -q 'Plugins\\ref.txt' "$folder/INSTALL.txt" || fail "INSTALL.txt does not say where ref.txt goes"
grep -q "Copy Stats.dll into the host's Plugins folder" "$folder/INSTALL.txt" || fail "INSTALL.txt does not say where Stats.dll goes"
grep -q '^MIT License' "$folder/LICENSE.txt" || fail "LICENSE.txt is not the MIT licence"
echo "zip_test: $zip passes"
