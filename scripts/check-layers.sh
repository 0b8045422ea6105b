#!/usr/bin/env bash
# Fails when a file includes a folder that stands above its own, or a folder
# beside it on the same floor, in either of the two trees that stand in
# floors: the plug-in's src/ and the command-line host tools/velmora/.
#
# The floors of src/, from the ground up:
#
#   0  text/       ASCII and string helpers
#   1  ports/      what the core asks of the platform (interfaces only)
#      resources/  the Windows dialog template
#   2  files/      writing whole files safely, over the ports
#      classify/   French prefixes and the reference file
#      platform/   the ports' implementations, one folder per platform;
#                  nothing outside platform/ may include it
#   3  log/        the QSO record, the log, adding and deleting
#   4  score/      band summary and score
#      checks/     call check and exchange validation
#   5  cabrillo/   the Cabrillo export
#   6  plugin/     the process-wide plug-in and the exported boundary
#
# The floors of tools/velmora/, all above the core's folders (but
# platform/, plugin/ and resources/, which velmora never includes: it reaches
# the plug-in through its exported entries) and host/:
#
#   0  util/       the user's mistake as an error, opening a named file
#   1  logs/       reading ADIF and Cabrillo logs QSO by QSO
#      stations/   the country file and portable calls
#   2  replay/     the contest on the plug-in, the replay of a log
#      outputs/    the summary read and laid out, the tally's lines, the
#                  reference file, the header form's answers
#      sources/    the loggers' datagrams read into events, pure functions
#   3  report/     the report page
#   4  live/       velmora live: the listeners, the journal, the live page,
#                  the scoreboard posts, on one event loop
#   5  cli/        the command line, one file per command
#   6  (its root)  main.cc
#
# A bare include ("x.h") must name a file of the including file's folder.
# Tests stand outside the floors (tests/, tools/velmora/tests/).
#
# Usage: scripts/check-layers.sh [ROOT]   (default: this checkout)
set -euo pipefail
root=$(realpath "${1:-"$(dirname "$0")/.."}")

declare -A src_floor=(
  [text]=0 [ports]=1 [resources]=1 [files]=2 [classify]=2 [platform]=2
  [log]=3 [score]=4 [checks]=4 [cabrillo]=5 [plugin]=6
)
# Only the platform includes itself.
declare -A src_forbidden=([platform]="only the platform includes itself")

declare -A velmora_floor=(
  [util]=0 [logs]=1 [stations]=1 [replay]=2 [outputs]=2 [sources]=2 [report]=3 [live]=4
  [cli]=5 [.]=6
  # Below every floor of velmora: the core's folders and host/.
  [text]=-1 [ports]=-1 [files]=-1 [classify]=-1 [log]=-1 [score]=-1 [checks]=-1
  [cabrillo]=-1 [host]=-1
)
declare -A velmora_forbidden=(
  [platform]="tools/ never includes the platform"
  [plugin]="velmora reaches the plug-in only through its exported entries"
  [resources]="tools/ never includes the platform"
)

status=0
complain() {
  echo "$1" >&2
  status=1
}

# check TREE FLOORS FORBIDDEN: every file of TREE (its root files on floor
# ".", if FLOORS has one) against the floors FLOORS and the folders
# FORBIDDEN, both names of associative arrays.
check() {
  local tree=$1
  local -n floors=$2 forbidden=$3
  local file relative from target to
  while IFS= read -r -d '' file; do
    relative=${file#"$tree"/}
    from=${relative%%/*}
    [[ $from == "$relative" ]] && from=.
    if [[ -z ${floors[$from]+set} ]] || (( floors[$from] < 0 )); then
      complain "$tree/$relative: folder $from/ has no floor"
      continue
    fi
    while IFS= read -r target; do
      to=${target%%/*}
      if [[ $to == "$target" ]]; then  # bare: a file of the same folder
        [[ -e $(dirname "$file")/$target ]] || complain "$tree/$relative: includes \"$target\", not a file of its folder"
        continue
      fi
      [[ $to == "$from" ]] && continue
      if [[ -n ${forbidden[$to]+set} ]]; then
        complain "$tree/$relative: includes \"$target\"; ${forbidden[$to]}"
      elif [[ -z ${floors[$to]+set} ]]; then
        complain "$tree/$relative: includes \"$target\", a folder with no floor"
      elif (( floors[$to] >= floors[$from] )); then
        complain "$tree/$relative: includes \"$target\", not below $from/"
      fi
    done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
  done < <(find "$tree" -path "$tree/tests" -prune -o -type f \( -name '*.h' -o -name '*.cc' -o -name '*.rc' \) -print0)
}

check "$root/src" src_floor src_forbidden
if [[ -d $root/tools/velmora ]]; then check "$root/tools/velmora" velmora_floor velmora_forbidden; fi

if (( status == 0 )); then echo "layers: every include of $root/src and $root/tools/velmora points down"; fi
exit $status
