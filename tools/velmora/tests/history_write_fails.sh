#!/bin/sh
# A reference file that cannot be written whole (every write refused, as on
# a full disk) leaves the earlier one byte for byte, and velmora says so.
# Usage: history_write_fails.sh VELMORA EXAMPLES DATA WORK
set -eu
velmora=$1 examples=$2 data=$3 work=$4
rm -rf "$work"
mkdir -p "$work"
cp "$examples/Plugins/ref.txt" "$work/ref.txt"
cp "$work/ref.txt" "$work/earlier.txt"
status=0
# SIGXFSZ ignored: a write past the cap fails with EFBIG instead of ending
# the program. Its messages reach a pipe, which the cap does not limit.
err=$( (trap '' XFSZ; ulimit -f 0; "$velmora" history "$data/history_2010.adi" --cty "$examples/cty.dat" \
  --out "$work/ref.txt" 2>&1 >/dev/null) ) || status=$?
[ "$status" -eq 2 ] || { echo "exit status $status, not 2: $err"; exit 1; }
echo "$err" | grep -q "^velmora: cannot write .*ref\.txt$" || { echo "no failure shown: $err"; exit 1; }
cmp "$work/earlier.txt" "$work/ref.txt" || { echo "the earlier reference file was damaged"; exit 1; }
[ "$(ls -A "$work" | wc -l)" -eq 2 ] || { echo "files left behind:"; ls -A "$work"; exit 1; }
echo "earlier reference file kept, failure shown"
