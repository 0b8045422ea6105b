#!/usr/bin/env bash
# Fails when a file of src/ includes a folder that stands above its own, or a
# folder beside it on the same floor. The floors, from the ground up:
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
# Usage: scripts/check-layers.sh [SRC_DIR]   (default: src/ of this checkout)
set -euo pipefail
src=$(realpath "${1:-"$(dirname "$0")/../src"}")

declare -A floor=(
  [text]=0 [ports]=1 [resources]=1 [files]=2 [classify]=2 [platform]=2
  [log]=3 [score]=4 [checks]=4 [cabrillo]=5 [plugin]=6
)

status=0
complain() {
  echo "$1" >&2
  status=1
}

while IFS= read -r -d '' file; do
  relative=${file#"$src"/}
  from=${relative%%/*}
  [[ -n ${floor[$from]+set} ]] || { complain "$relative: folder $from/ has no floor"; continue; }
  while IFS= read -r target; do
    to=${target%%/*}
    [[ $to == "$target" ]] && continue  # a file of the same folder
    [[ $to == "$from" ]] && continue
    if [[ -z ${floor[$to]+set} ]]; then
      complain "$relative: includes \"$target\", a folder with no floor"
    elif [[ $to == platform ]]; then
      complain "$relative: includes \"$target\"; only the platform includes itself"
    elif (( floor[$to] >= floor[$from] )); then
      complain "$relative: includes \"$target\", not below $from/"
    fi
  done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
done < <(find "$src" -mindepth 2 -type f \( -name '*.h' -o -name '*.cc' -o -name '*.rc' \) -print0)

if (( status == 0 )); then echo "layers: every include of $src points down"; fi
exit $status
