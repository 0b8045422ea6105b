#!/bin/sh
# velmora killed in the middle of writing a file, end to end: strace stops
# the run with SIGKILL as it enters the system call named (only calls on
# the file named count), and the test looks at what the kill left.
#   1. The settings file rewritten shorter, killed before the cut: it reads
#      as the new settings, with blank lines after them and no stray piece
#      of the earlier text.
#   2. The Cabrillo file written in place (as `nobody`, in a folder that
#      takes no new file), killed at its first write: the earlier log byte
#      for byte (no zero bytes where the room was claimed); killed before
#      the cut: the new log, then blank lines only.
#   3. Killed before the temporary file is moved over the log: the earlier
#      log byte for byte and the temporary left; the next run removes it
#      and writes the log.
#   4. A cap on file sizes (ulimit -f) with SIGXFSZ not ignored by the
#      shell: exit status 2 and one line, the earlier files kept, no
#      temporary file (velmora ignores the signal itself).
# Usage: killed_writes.sh VELMORA EXAMPLES WORK
set -eu
velmora=$1 examples=$2 work=$3
log=$examples/contest.adi
fail() { echo "$*"; exit 1; }

fresh() {
  rm -rf "$work"
  mkdir -p "$work"
  cp -R "$examples/." "$work"
  cd "$work"
}
# killed SYSCALLS PATH [velmora args...]: runs velmora with SIGKILL at the
# first of SYSCALLS on PATH (on any path: -), fails unless the kill ended it.
# strace matches a path given by name only as the call spells it, a file
# open as a descriptor by its resolved path.
killed() {
  calls=$1 path=$2
  shift 2
  status=0
  only=""
  [ "$path" = - ] || only="-P $path"
  # The sanitizers' leak check cannot run under ptrace (nor in a killed run).
  ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" strace -f -qq -o /dev/null $only -e trace="$calls" -e inject="$calls":signal=SIGKILL:when=1 \
    "$@" >/dev/null 2>killed.err || status=$?
  [ "$status" -eq 137 ] || { cat killed.err; fail "not killed at $calls on $path (status $status)"; }
}
score() { echo "$velmora" score "$log" --cty "$examples/cty.dat" --dir "$work" --cabrillo; }
as_nobody() { echo setpriv --reuid=nobody --regid=nogroup --clear-groups; }
no_temporary() { [ -z "$(find "$work" -name '*.part')" ] || fail "temporary file left: $(find "$work" -name '*.part')"; }

# 1. The settings file.
fresh
printf '[Settings]\r\nOperators=F5VEL F4ABC F6XYZ F8AAA\r\nName=Jean Dupont\r\nClaimed=123456\r\n' >Plugins/VIRDO.ini
killed ftruncate Plugins/VIRDO.ini $(score) --operators F5VEL
python3 - Plugins/VIRDO.ini <<'EOF' || fail "the settings file holds more than the new settings"
import sys
data = open(sys.argv[1], "rb").read()
lines = [line.strip() for line in data.split(b"\n") if line.strip()]
expected = [b"[Settings]", b"Operators=F5VEL", b"Name=Jean Dupont", b"Claimed=123456"]
if lines != expected or data.strip(b" \r\n") != b"\r\n".join(expected):
    sys.exit("read back: %r" % data)
EOF

# 2. The Cabrillo file in place.
fresh
printf 'earlier log\r\n' >F5VEL.cbr
chmod 666 F5VEL.cbr
chmod 777 Plugins
cp F5VEL.cbr "$work.earlier"
chmod 555 "$work"
killed pwrite64 F5VEL.cbr $(as_nobody) $(score)
chmod 755 "$work"
grep -q "^Output: writing F5VEL.cbr in place: this folder takes no new file$" killed.err \
  || { cat killed.err; fail "the write in place was not announced"; }
cmp "$work.earlier" F5VEL.cbr || fail "killed at its first write, the log changed"
head -c 40000 /dev/zero | tr '\0' x >F5VEL.cbr
chmod 555 "$work"
killed ftruncate F5VEL.cbr $(as_nobody) $(score)
chmod 755 "$work"
python3 - F5VEL.cbr <<'EOF' || fail "killed before the cut, the log is not the new one"
import sys
data = open(sys.argv[1], "rb").read()
end = data.find(b"END-OF-LOG:\r\n")
if not data.startswith(b"START-OF-LOG: 2.0\r\n") or end < 0 or data[end + 13:].strip(b" \r\n"):
    sys.exit("holds: %r ... %r" % (data[:40], data[-40:]))
if b"\0" in data or b"x" in data:
    sys.exit("holds zero bytes or the earlier text")
EOF
rm -f "$work.earlier"

# 3. The temporary file, then the next run.
fresh
$(score) >/dev/null 2>&1
cp F5VEL.cbr earlier.cbr
killed rename,renameat,renameat2 - $(score)  # the only move of the run
cmp earlier.cbr F5VEL.cbr || fail "killed before the move, the log changed"
[ "$(find . -name '.F5VEL.cbr.*.part' | wc -l)" -eq 1 ] || fail "no temporary file left by the kill"
$(score) >/dev/null 2>next.err || { cat next.err; fail "the next run failed"; }
grep -q "^Cabrillo file: " next.err || fail "the next run wrote no log"
no_temporary

# 4. A cap on file sizes, SIGXFSZ left to velmora.
fresh
$(score) >/dev/null 2>&1
cp F5VEL.cbr earlier.cbr
cp Plugins/ref.txt earlier-ref.txt
status=0
err=$( (ulimit -f 8; $(score) 2>&1 >/dev/null) ) || status=$?
[ "$status" -eq 2 ] || fail "capped export: exit status $status, not 2: $err"
[ "$(echo "$err" | tail -n 1)" = "velmora: the plug-in could not write the Cabrillo file $work/F5VEL.cbr, and the earlier one is kept as it was" ] \
  || fail "capped export: no line naming the failure: $err"
cmp earlier.cbr F5VEL.cbr || fail "capped export: the earlier log changed"
status=0
err=$( (ulimit -f 0; "$velmora" history "$log" --cty "$examples/cty.dat" --out "$work/Plugins/ref.txt" 2>&1 >/dev/null) ) \
  || status=$?
[ "$status" -eq 2 ] || fail "capped history: exit status $status, not 2: $err"
[ "$err" = "velmora: cannot write $work/Plugins/ref.txt" ] || fail "capped history: $err"
cmp earlier-ref.txt Plugins/ref.txt || fail "capped history: the earlier reference file changed"
no_temporary
echo "every kill and cap left the earlier files whole or the new ones complete"
