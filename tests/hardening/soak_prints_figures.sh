#!/usr/bin/env bash
# A short soak: it runs, presses keys from the whole table and prints its
# three figures; the GDI object count, which nothing may leak, ends where it
# stood after the first ticks.
set -euo pipefail
frame=$1
wad=$2
ticks=$3
# An empty folder: no map.bmp, so the store stays the checkerboard.
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
out=$(cd "$folder" && "$frame" soak --ticks "$ticks" --size 160x100 --seed 7 --wad "$wad")
echo "$out"
grep -q "^$ticks ticks$" <<<"$out"
for figure in 'GDI objects' 'heap in use (bytes)' 'resident (bytes)'; do
  grep -q "^$figure " <<<"$out"
done
grep -Eq '^GDI objects +[0-9]+ +[0-9]+ +\+0$' <<<"$out"
