#!/usr/bin/env bash
# Fetches apt's package lists, trying again when an archive is caught in the
# middle of a sync ("File has unexpected size"), which usually passes within
# a minute. When a list still cannot be fetched, goes on with those that
# were: apt keeps the older copy of a list it could not fetch, and the
# install that follows names any package that is then missing.
set -uo pipefail
tries=3
for try in $(seq 1 "$tries"); do
  apt-get update -qq -o Acquire::Retries=3 && exit 0
  [ "$try" -lt "$tries" ] || break
  echo "apt-update: the package lists could not all be fetched (try $try of $tries); trying again in $((try * 20)) s" >&2
  sleep $((try * 20))
done
echo "apt-update: some package lists could not be fetched in $tries tries; going on with the lists apt has" >&2
