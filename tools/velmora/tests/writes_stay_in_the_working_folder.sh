#!/bin/sh
# A batch export with every header option writes nothing outside the host's
# working folder: no file of answers in a shared folder (TMPDIR points at an
# empty folder, which must stay empty), checked on every system call that
# creates, writes, moves, links or removes a file (strace).
# Usage: writes_stay_in_the_working_folder.sh VELMORA EXAMPLES WORK
set -eu
velmora=$1 examples=$2 work=$3
rm -rf "$work"
mkdir -p "$work/shared"
cp -R "$examples/." "$work"
cd "$work"
# Under the sanitizers, the leak check cannot run under ptrace: it is left
# to every other run of the same code.
ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" TMPDIR="$work/shared" strace -f -qq -o "$work/calls.txt" \
  -e trace=open,openat,creat,mkdir,mkdirat,rename,renameat,renameat2,link,linkat,symlink,symlinkat,unlink,unlinkat,truncate \
  "$velmora" score "$examples/contest.adi" --cty "$examples/cty.dat" --dir "$work" --cabrillo \
  --name "Jean Dupont" --address "1 Main Street" --email f5vel@example.org --club "Radio Club" \
  --operators F5VEL --soapbox "Fine weekend" --category SO40 --power "100 watt" >/dev/null 2>run.err \
  || { cat run.err; exit 1; }
grep -q "^Cabrillo file: " run.err || { cat run.err; echo "no Cabrillo file written"; exit 1; }
[ -z "$(ls -A "$work/shared")" ] || { echo "written in the shared folder:"; ls -A "$work/shared"; exit 1; }
python3 - "$work" "$work/calls.txt" <<'PY'
import os, re, sys
work, calls = sys.argv[1], sys.argv[2]
writing = re.compile(r"O_WRONLY|O_RDWR|O_CREAT|O_TRUNC")
changes = ("creat", "mkdir", "rename", "link", "symlink", "unlink", "truncate")
outside = []
seen = 0
for line in open(calls):
    call = re.match(r"\d+ +(\w+)\(", line)
    if not call or "= -1" in line:
        continue
    name = call.group(1)
    if name in ("open", "openat") and not writing.search(line):
        continue
    if name not in ("open", "openat") and not name.startswith(changes):
        continue
    for path in re.findall(r'"((?:[^"\\]|\\.)*)"', line):
        seen += 1
        full = os.path.normpath(os.path.join(work, path))
        if os.path.commonpath([full, work]) != work or full.startswith(os.path.join(work, "shared")):
            outside.append(line.strip())
if seen == 0:
    sys.exit("no write seen: is strace tracing?")
if outside:
    sys.exit("written outside the working folder:\n" + "\n".join(outside))
print("%d paths written, all in the working folder" % seen)
PY
