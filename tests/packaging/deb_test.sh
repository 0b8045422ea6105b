#!/bin/sh
# The Debian package as a user gets it, unpacked into a scratch root with
# dpkg-deb -x: its velmora prints the project's version and scores the
# example with the package's own plug-in, found from velmora's own folder
# (without it, velmora names the place it looked in; --plugin still wins);
# it holds only velmora's files, its manual page and docs; its dependencies
# name hamradio-files and the libraries velmora links.
# Usage: deb_test.sh DEB EXAMPLES SCRATCH VERSION
set -eu
deb=$1 examples=$2 scratch=$3 version=$4
fail() { echo "deb_test: $*" >&2; exit 1; }

[ -f "$deb" ] || fail "$deb was not made"
rm -rf "$scratch"
mkdir -p "$scratch"
root=$scratch/root
dpkg-deb -x "$deb" "$root"
velmora=$root/usr/bin/velmora

shown=$("$velmora" --version) || fail "velmora --version failed"
[ "$shown" = "velmora $version" ] || fail "velmora --version prints '$shown', not 'velmora $version'"

cp -r "$examples" "$scratch/work"
"$velmora" score "$examples/contest.adi" --cty "$examples/cty.dat" --dir "$scratch/work" --raw \
  >"$scratch/summary.txt" 2>"$scratch/report.txt" || { cat "$scratch/report.txt" >&2; fail "velmora score failed"; }
cmp "$scratch/summary.txt" "$examples/expected-summary.txt" || fail "the example's summary differs from expected-summary.txt"

stray=$(cd "$root" && find . -type f | sed 's|^\./||' | grep -Ev \
  '^(usr/bin/velmora|usr/lib/([^/]+/)?velmora/libStats\.so|usr/share/man/man1/velmora\.1\.gz|usr/share/doc/velmora/.+)$' || true)
[ -z "$stray" ] || fail "files that are not velmora's: $stray"
for file in usr/share/doc/velmora/copyright usr/share/doc/velmora/changelog.gz usr/share/doc/velmora/README.md; do
  [ -s "$root/$file" ] || fail "$file is missing"
done
man=$root/usr/share/man/man1/velmora.1.gz
gzip -t "$man" || fail "velmora.1.gz is not a gzip file"
gzip -dc "$man" | grep -q "^\.TH VELMORA \"1\" .*\"velmora $version\"" || fail "velmora.1 names no version $version"
for option in --cabrillo --rcvd-field --band --out; do
  gzip -dc "$man" | sed 's/\\-/-/g' | grep -q -- "$option" || fail "velmora.1 does not describe $option"
done

depends=$(dpkg-deb -f "$deb" Depends)
for package in hamradio-files libc6 libstdc++6; do
  echo "$depends" | tr ',' '\n' | sed 's/^ *//; s/ .*//' | grep -qxF "$package" || fail "Depends ($depends) does not name $package"
done

plugin=$(find "$root/usr/lib" -name libStats.so)
[ -n "$plugin" ] || fail "the package holds no libStats.so"
mv "$plugin" "$scratch/libStats.so"
if "$velmora" validate 123 >/dev/null 2>"$scratch/error.txt"; then
  fail "velmora found a plug-in outside the package"
fi
grep -qF "cannot load plug-in $plugin:" "$scratch/error.txt" || fail "velmora did not look for $plugin: $(cat "$scratch/error.txt")"
[ "$("$velmora" validate 123 --plugin "$scratch/libStats.so")" = valid ] || fail "--plugin was not taken"
echo "deb_test: $deb passes"
