#!/bin/sh
# A disk that fills up during the Cabrillo export, end to end: velmora
# exports the example log once with room to spare, then again with every
# file it writes capped at 8 blocks (far less than the log). The second
# export must leave the first log byte for byte, leave no temporary file,
# tell the operator "File not produced: F5VEL.cbr", and end velmora with
# exit status 2 and one line naming the file it could not write (never
# "Cabrillo file: ..." for last year's file).
# Usage: disk_full_export.sh VELMORA EXAMPLES WORK
set -eu
velmora=$1 examples=$2 work=$3
rm -rf "$work"
mkdir -p "$work"
cp -R "$examples/." "$work"
cd "$work"
run() {
  "$velmora" score "$examples/contest.adi" --cty "$examples/cty.dat" --dir "$work" --cabrillo
}

run >/dev/null 2>good.err
grep -q "^Output: File produced: F5VEL.cbr$" good.err || { cat good.err; exit 1; }
cp F5VEL.cbr earlier.cbr
cp Plugins/VIRDO.ini earlier.ini

# SIGXFSZ ignored: a write past the cap fails with EFBIG, as on a full disk,
# instead of ending the program.
status=0
(trap '' XFSZ; ulimit -f 8; run >/dev/null 2>full.err) || status=$?
[ "$status" -eq 2 ] || { echo "exit status $status, not 2:"; cat full.err; exit 1; }
grep -q "^Output: File not produced: F5VEL.cbr$" full.err || { echo "no failure shown:"; cat full.err; exit 1; }
[ "$(tail -n 1 full.err)" = "velmora: the plug-in could not write the Cabrillo file $PWD/F5VEL.cbr, and the earlier one is kept as it was" ] \
  || { echo "no line naming the failure last:"; cat full.err; exit 1; }
! grep -q "^Cabrillo file" full.err || { echo "a file not written is named:"; cat full.err; exit 1; }
cmp earlier.cbr F5VEL.cbr || { echo "the earlier log was damaged"; exit 1; }
cmp earlier.ini Plugins/VIRDO.ini || { echo "the settings file was damaged"; exit 1; }
[ -z "$(find . -name '*.part')" ] || { echo "temporary file left:"; find . -name '*.part'; exit 1; }
echo "earlier log kept, failure shown"
