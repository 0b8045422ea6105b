#!/bin/sh
# What velmora and the plug-in write over, end to end, in a scratch folder
# (devices and FIFOs are made here, never the system's):
#   1. --out naming a character device, a FIFO, a socket or a folder (also
#      through a link): exit status 2, one line, the thing as it was.
#   2. --out over a file of another user's, readable by its owner alone:
#      the same owner and mode afterwards; over a file with a second name:
#      a line saying so, the other name keeps the earlier text.
#   3. The Cabrillo file a FIFO: "File not produced", exit status 2, the
#      FIFO as it was; a folder velmora's user may not write (`nobody`):
#      exit status 2 and one line, the earlier log byte for byte, never
#      "Cabrillo file: ..." for it.
#   4. The header's settings: Plugins/ missing is made, the answers stored
#      and in the header; Plugins a file, the settings file read-only
#      (`nobody`), or a Plugins/ folder that takes no new file (`nobody`):
#      exit status 2 and one line, no Cabrillo file, every earlier file
#      byte for byte.
# Usage: write_targets.sh VELMORA EXAMPLES DATA WORK
set -eu
velmora=$1 examples=$2 data=$3 work=$4
cty="--cty $examples/cty.dat"
fail() { echo "$*"; exit 1; }
fresh() {
  rm -rf "$work"
  mkdir -p "$work"
  cp -R "$examples/." "$work"
  chmod -R a+rwX "$work"
  cd "$work"
}
# expect STATUS LAST-LINE COMMAND...: the run's exit status and the last
# line of its standard error.
expect() {
  want=$1 line=$2
  shift 2
  status=0
  "$@" </dev/null >run.out 2>run.err || status=$?
  [ "$status" -eq "$want" ] || { cat run.err; fail "exit status $status, not $want: $*"; }
  [ "$(tail -n 1 run.err)" = "$line" ] || { cat run.err; fail "last line is not: $line"; }
}
as_nobody() { setpriv --reuid=nobody --regid=nogroup --clear-groups "$@"; }
history() { "$velmora" history "$data/history_2010.adi" $cty "$@"; }
score() { "$velmora" score "$examples/contest.adi" $cty --dir "$work" --cabrillo "$@"; }

# 1. Targets that are no regular file.
fresh
mkfifo pipe
python3 -c "import socket, sys; socket.socket(socket.AF_UNIX).bind(sys.argv[1])" socket
mkdir folder
ln -s pipe link-to-pipe
printf '%s\n' "pipe:a FIFO" "socket:a socket" "folder:a folder" "link-to-pipe:a FIFO" >kinds.txt
if mknod nul c 1 3 2>/dev/null; then
  echo "nul:a character device" >>kinds.txt
else
  echo "skipped: a character device (this machine lets no process make a device node)"
fi
while IFS=: read -r name kind; do
  expect 2 "velmora: --out $work/$name is $kind, not a file: velmora writes only regular files" \
    history --out "$work/$name"
  expect 2 "velmora: --out $work/$name is $kind, not a file: velmora writes only regular files" \
    "$velmora" report "$examples/contest.adi" $cty --dir "$work" --out "$work/$name"
done <kinds.txt
[ -p pipe ] && [ -S socket ] && [ -d folder ] && [ -L link-to-pipe ] || fail "a target was replaced"
[ ! -e nul ] || [ -c nul ] || fail "the device was replaced"
[ -z "$(ls -A folder)" ] || fail "something was written into the folder"
[ "$(ls -A | grep -c part)" -eq 0 ] || fail "temporary file left"

# 2. Owner, mode and other names of a file replaced.
fresh
printf 'earlier\r\n' >private.txt
chown nobody:nogroup private.txt
chmod 600 private.txt
expect 0 "French stations: 2" history --out "$work/private.txt"
[ "$(stat -c '%U:%G %a' private.txt)" = "nobody:nogroup 600" ] \
  || fail "owner and mode not kept: $(stat -c '%U:%G %a' private.txt)"
grep -q "^F6XYZ 92" private.txt || fail "the reference file was not written"
printf 'earlier\r\n' >ref.txt
ln ref.txt backup.txt
expect 0 "French stations: 2" history --out "$work/ref.txt"
grep -qx "velmora: replacing $work/ref.txt, which has 2 names (hard links): the other 1 keep the earlier text" run.err \
  || { cat run.err; fail "the second name was not named"; }
[ "$(cat backup.txt)" = "$(printf 'earlier\r')" ] || fail "the second name lost the earlier text"

# 3. The Cabrillo file.
fresh
mkfifo F5VEL.cbr
expect 2 "velmora: the plug-in could not write the Cabrillo file $work/F5VEL.cbr" score
grep -qx "Output: File not produced: F5VEL.cbr" run.err || fail "the plug-in did not say so"
[ -p F5VEL.cbr ] || fail "the FIFO was replaced"
fresh
score >/dev/null 2>&1
cp F5VEL.cbr earlier.cbr
chmod 644 F5VEL.cbr
chmod 666 Plugins/VIRDO.ini
chmod 555 "$work"
expect 2 "velmora: the plug-in could not write the Cabrillo file $work/F5VEL.cbr, and the earlier one is kept as it was" \
  as_nobody "$velmora" score "$examples/contest.adi" $cty --dir "$work" --cabrillo
chmod 755 "$work"
! grep -q "^Cabrillo file" run.err || fail "a file not written is named"
cmp earlier.cbr F5VEL.cbr || fail "the earlier log changed"

# 4. The header's settings.
fresh
rm -rf Plugins
expect 0 "F5VEL.cbr holds the 3 QSOs the plug-in counted, leaving out 2 repeats on a band" \
  "$velmora" score "$data/adif_repeats_on_a_band.adi" $cty \
  --dir "$work" --cabrillo --name "Jean Dupont"
grep -qx "velmora: made the folder Plugins for the plug-in's settings" run.err || fail "Plugins/ made silently"
grep -q "^Name=Jean Dupont" Plugins/VIRDO.ini || fail "the name was not stored"
grep -q "NAME: Jean Dupont" F5VEL.cbr || fail "the name is not in the header"
fresh
rm -rf Plugins
printf 'not a folder' >Plugins
expect 2 "velmora: Plugins is a file, not a folder: the plug-in could not keep the Cabrillo header's settings" \
  score --name "Jean Dupont"
[ ! -e F5VEL.cbr ] || fail "a Cabrillo file was written"
[ "$(cat Plugins)" = "not a folder" ] || fail "Plugins changed"
fresh
printf '[Settings]\r\nName=Old Name\r\n' >Plugins/VIRDO.ini
cp Plugins/VIRDO.ini earlier.ini
chmod 444 Plugins/VIRDO.ini
expect 2 "velmora: Plugins/VIRDO.ini may not be written: the plug-in could not keep the Cabrillo header's settings" \
  as_nobody "$velmora" score "$examples/contest.adi" $cty --dir "$work" --cabrillo --name "Jean Dupont"
[ ! -e F5VEL.cbr ] || fail "a Cabrillo file was written"
cmp earlier.ini Plugins/VIRDO.ini || fail "the settings changed"
fresh
chmod 555 Plugins
expect 2 "velmora: the plug-in did not store the Cabrillo header in Plugins/VIRDO.ini: --name reads back as nothing" \
  as_nobody "$velmora" score "$examples/contest.adi" $cty --dir "$work" --cabrillo --name "Jean Dupont"
chmod 755 Plugins
[ ! -e F5VEL.cbr ] || fail "a Cabrillo file was written"
[ ! -e Plugins/VIRDO.ini ] || fail "a settings file appeared"
echo "nothing but regular files replaced, every failure said in one line with exit status 2"
