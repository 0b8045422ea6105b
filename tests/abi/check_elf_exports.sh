#!/bin/sh
# The Linux plug-in exports exactly the plain entry names and the three
# function names without a plain twin, and nothing else.
set -eu
library=$1
expected='AddData0
CheckCall0
CheckCallFunc0
GetExchgCount0
GetNumberOfSets
GetResult0
GetSetName
RemoveData0
ResetStats0
SetupSet0
StatsGetExchgCount0
StatsIsValidExchg0'
actual=$(nm -D --defined-only "$library" | awk '$2 ~ /^[TtWi]$/ {print $3}' | sort)
if [ "$actual" = "$expected" ]; then
  echo "exports of $library match"
else
  printf 'exports of %s differ.\nexpected:\n%s\nactual:\n%s\n' "$library" "$expected" "$actual"
  exit 1
fi
