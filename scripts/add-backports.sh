#!/usr/bin/env bash
# Adds the backports suite of this Debian release, served by the same archive
# that the machine's own sources use for the release, so that a package can
# be taken from it by name (apt-get install NAME/SUITE). Nothing is pinned to
# it: apt ranks backports below the release, so no other package comes from
# there unless named.
set -euo pipefail
. /etc/os-release
suite="${VERSION_CODENAME}-backports"
list=/etc/apt/sources.list.d/velmora-backports.list
if [ ! -f "$list" ]; then
  [ "$(id -u)" -eq 0 ] || { echo "add-backports: run as root to add $suite" >&2; exit 1; }
  # apt's own view of the sources, whichever file and format name them
  # (it knows them only once their lists have been fetched).
  release_archive() { apt-cache policy | awk -v release="$VERSION_CODENAME/main" '$3 == release { print $2; exit }'; }
  archive=$(release_archive)
  [ -n "$archive" ] || { "$(dirname "$0")/apt-update.sh"; archive=$(release_archive); }
  [ -n "$archive" ] || { echo "add-backports: no archive of Debian $VERSION_CODENAME in this machine's apt sources" >&2; exit 1; }
  echo "deb $archive $suite main" >"$list"
fi
"$(dirname "$0")/apt-update.sh"
