#!/bin/sh
# Hostile input given to velmora, end to end: FIFOs and devices as the log
# or the country file (made in the scratch folder), logs piped in, escape
# sequences in tags, a 200 MB line and a 200 MB tag name, a long ADIF
# header and a length of 2^63. Each run must end at once with its exit
# status and, where it fails, one line saying what is wrong; memory stays
# bounded (peak resident size measured with /usr/bin/time where it is
# installed).
# Usage: hostile_input.sh VELMORA EXAMPLES DATA WORK
set -eu
velmora=$1 examples=$2 data=$3 work=$4
rm -rf "$work"
mkdir -p "$work"
cp -R "$examples/." "$work"
cd "$work"
cty="--cty $examples/cty.dat"
failures=0
fail() {
  echo "FAILED: $1" >&2
  sed 's/^/  | /' err >&2
  failures=$((failures + 1))
}
# expect STATUS ERR_REGEX -- velmora args: one run, ended within 20 s.
expect() {
  status=$1 pattern=$2
  shift 3
  set +e
  timeout 20 "$velmora" "$@" >out 2>err
  got=$?
  set -e
  [ "$got" -eq "$status" ] || { fail "velmora $* ended with $got, not $status"; return; }
  grep -Eq "$pattern" err || fail "velmora $*: standard error does not match $pattern"
}
# peak KIB -- velmora args: the run's peak resident size stays under KIB.
peak() {
  limit=$1
  shift 2
  command -v /usr/bin/time >/dev/null 2>&1 || return 0
  /usr/bin/time -f '%M' -o peak.kib timeout 60 "$velmora" "$@" >/dev/null 2>err || true
  echo "peak resident size of velmora $1 $2: $(tail -n 1 peak.kib) KiB"
  [ "$(tail -n 1 peak.kib)" -lt "$limit" ] ||
    fail "velmora $*: peak resident size $(tail -n 1 peak.kib) KiB, over $limit KiB"
}

# FIFOs nobody writes into, and a device that never ends.
mkfifo log.fifo cty.fifo
mknod zero c 1 5 2>/dev/null || ln -s /dev/zero zero
expect 2 '^velmora: [^ ]*log\.fifo is empty$' -- score log.fifo $cty
expect 2 '^velmora: cannot read country file [^ ]*cty\.fifo$' -- score "$data/adif_repeats_on_a_band.adi" --cty cty.fifo
expect 2 '^velmora: country file [^ ]*zero holds more than 16 MiB, the most velmora reads of one$' -- score "$data/adif_repeats_on_a_band.adi" --cty zero
expect 2 '^velmora: log [^ ]*zero holds more than 64 MiB, the most velmora reads from a pipe or device: give it as a file$' -- score zero $cty
# 64 MiB held, and what the sanitizers add to it; far from what never ends.
peak 400000 -- score zero $cty

# Logs piped in, by "-" and by /dev/stdin.
cat "$data/adif_repeats_on_a_band.adi" | expect 0 '^record 3 \(F6XYZ\) not logged' -- score - $cty --dir .
grep -Eq '^Total +3 +13 +2 +1' out || fail "score - from a pipe: $(cat out)"
cat "$data/cabrillo_3_transmitter_column.cbr" | expect 0 'X-QSO lines' -- score /dev/stdin $cty --dir .
grep -Eq '^Total +4 +23 +2 +2' out || fail "score /dev/stdin from a pipe: $(cat out)"
expect 2 '^velmora: standard input is empty$' -- score - $cty </dev/null

# Escape sequences and a forged line in a tag and in values.
esc=$(printf '\033')
printf '<CALL:5>F6XYZ<QSO_DATE:8>20110312<TIME_ON:4>0600<BAND:3>40m<MODE:2>CW<SRX:2>75<STX:2>69<STATION_CALLSIGN:5>F5VEL<EOR>\n' >escapes.adi
printf '<CALL%s[2J%s]0;owned\a\nrecord 99 skipped: forged>x<EOR>\n' "$esc" "$esc" >>escapes.adi
printf '<CALL:9>DL1%s[1mAB<QSO_DATE:8>20110312<TIME_ON:4>0600<BAND:3>40m<MODE:4>F%sT8<SRX:2>01<STX:2>69<EOR>\n' "$esc" "$esc" >>escapes.adi
expect 0 '^record 2 skipped: bad length in field call\\x1b\[2j\\x1b\]0;owned\\x07\\nrecord 99 skipped$' -- score escapes.adi $cty --dir .
if grep -q "$esc" err || grep -q '^record 99' err; then fail "raw bytes of the log reached the terminal"; fi
grep -q "^record 3 skipped: the call 'DL1\\\\x1b\[1MAB' holds a control character (\\\\x1b)$" err ||
  fail "the call's control character is not escaped"

# A 200 MB Cabrillo line and a 200 MB tag name: bounded memory, a short echo.
{ printf 'START-OF-LOG: 3.0\nQSO:  7010 CW 2011-03-12 0600 F5VEL 599 69 F6XYZ 599 54\nQSO: '
  head -c 200000000 /dev/zero | tr '\0' 'x'
  printf '\nQSO:  7012 CW 2011-03-12 0601 F5VEL 599 69 F8ABC 599 2B\n'; } >long_line.cbr
expect 0 '^record 2 skipped: a line of more than 4096 characters$' -- score long_line.cbr $cty --dir .
grep -Eq '^Total +2 ' out || fail "the QSOs around the long line: $(cat out)"
peak 200000 -- score long_line.cbr $cty --dir .
rm -f long_line.cbr
{ printf '<CALL:5>F6XYZ<QSO_DATE:8>20110312<TIME_ON:4>0600<BAND:3>40m<MODE:2>CW<SRX:2>75<STX:2>69<STATION_CALLSIGN:5>F5VEL<EOR><'
  head -c 200000000 /dev/zero | tr '\0' 'A'
  printf ':1>x<EOR>\n'; } >long_tag.adi
expect 0 '^record 2 skipped: a tag of more than 256 characters' -- score long_tag.adi $cty --dir .
[ "$(wc -c <err)" -lt 1000 ] || fail "a 200 MB tag name is echoed at length: $(wc -c <err) bytes"
peak 200000 -- score long_tag.adi $cty --dir .
rm -f long_tag.adi

# An ADIF header of 70 KB of free text, and a length of 2^63 that reads on.
{ printf 'Exported by a general logger\n'; head -c 70000 /dev/zero | tr '\0' 'n'
  printf '\n<ADIF_VER:5>3.1.0<EOH>\n'; cat "$data/adif_repeats_on_a_band.adi" | sed 1d; } >long_header.adi
expect 0 '^record 3 \(F6XYZ\) not logged' -- score long_header.adi $cty --dir .
printf '<COMMENT:9223372036854775808>x<EOR>\n' >huge_length.adi
sed 1d "$data/adif_repeats_on_a_band.adi" >>huge_length.adi
expect 0 '^record 1 skipped: bad length in field comment$' -- score huge_length.adi $cty --dir .
grep -q '^read: 6$' err || fail "the records after a length of 2^63 are not read"

# An own call of the log longer than any call sign, before the contest starts.
printf '<CALL:5>F6XYZ<QSO_DATE:8>20110312<TIME_ON:4>0600<BAND:3>40m<MODE:2>CW<SRX:2>75<STX:2>69<STATION_CALLSIGN:40>%s<EOR>\n' \
  "$(head -c 40 /dev/zero | tr '\0' 'F')" >long_own_call.adi
expect 2 "^velmora: own call 'F{40}' of the log has 40 characters, more than 32: give --call$" -- score long_own_call.adi $cty --dir .

[ "$failures" -eq 0 ] || exit 1
echo "hostile input: every run ended at once, said what is wrong, in bounded memory"
