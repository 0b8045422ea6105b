#!/bin/sh
# Stands in for velmora when help2man asks for its help: velmora's own help
# followed by that of each of its commands (as its help lists them), each
# under a heading of its own, so the manual page describes every option.
# Anything else goes to velmora.
# Usage: man-help.sh VELMORA ARGS...
velmora=$1
shift
if [ "$*" != --help ]; then
  exec "$velmora" "$@"
fi
"$velmora" --help || exit
help=$(mktemp)
trap 'rm -f "$help"' EXIT
for command in $("$velmora" --help | awk '/^Subcommands:/ { listed = 1; next } listed && NF { print $1 }'); do
  # A command's help opens with its summary and "Usage: COMMAND ...".
  "$velmora" "$command" --help >"$help" || exit
  printf '\nvelmora %s:\n' "$command"
  awk 'NR == 1 { summary = $0; next }
       NR == 2 { sub(/^Usage: /, "Usage: velmora "); print summary "."; print ""; print; next }
       { print }' "$help"
done
