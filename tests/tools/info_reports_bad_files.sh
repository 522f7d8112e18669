#!/usr/bin/env bash
# A missing or invalid file: the loader's lines on standard output, one
# clear line on standard error, exit code 1.
set -euo pipefail
tool=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

expect_failure() {
  local wad=$1 line=$2
  local status=0
  "$tool" info --wad "$wad" >"$work/out" 2>"$work/err" || status=$?
  [ "$status" -eq 1 ] || { echo "exit code $status for $wad"; exit 1; }
  [ "$(grep -c -x -F "$line" "$work/out")" -eq 8 ] || { echo "stdout for $wad:"; cat "$work/out"; exit 1; }
  [ "$(wc -l <"$work/out")" -eq 8 ] || { echo "extra stdout for $wad"; cat "$work/out"; exit 1; }
  [ "$(wc -l <"$work/err")" -eq 1 ] || { echo "stderr for $wad:"; cat "$work/err"; exit 1; }
}

expect_failure "$work/missing.wad" "Unable to open $work/missing.wad"
printf 'NOTAWAD-AT-ALL' >"$work/bad.wad"
expect_failure "$work/bad.wad" "Invalid WAD file"
"$tool" info --help | grep -q -- '--wad PATH'
