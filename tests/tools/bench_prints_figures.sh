#!/usr/bin/env bash
# vellumtarn-frame bench on a small window: one row per map and mode with
# four figures, the peak memory, the same figures as JSON, the walk in its
# help, and clear refusals of bad arguments. The figures are not judged.
set -euo pipefail
tool=$1 wad=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() { echo "$*"; exit 1; }

"$tool" bench --wad "$wad" --map E1M2 --size 160x120 --json "$work/figures.json" \
  >"$work/out" 2>"$work/err" || fail "bench failed"
cat "$work/out"
# Many windows, one word about the missing map.bmp.
[ "$(grep -c '^Unable to write file' "$work/err")" -eq 1 ] || fail "map.bmp reported $(grep -c . "$work/err") times"

number='[0-9]+\.[0-9]{3}'
for mode in outline fill outline-all fill-all; do
  grep -Eq "^E1M2 +$mode +$number +$number +$number +$number$" "$work/out" ||
    fail "no row for $mode"
done
[ "$(grep -c '^E1M' "$work/out")" -eq 4 ] || fail "rows for other maps or modes"
grep -Eq '^peak resident memory: [0-9]+\.[0-9] MiB$' "$work/out" || fail "no peak memory"

python3 - "$work/figures.json" "$work/out" <<'PY'
import json, sys
figures = json.load(open(sys.argv[1]))
table = [line.split() for line in open(sys.argv[2]) if line.startswith("E1M")]
assert (figures["width"], figures["height"]) == (160, 120), figures
assert figures["frames"] == 600 and figures["loads"] == 20, figures
assert figures["peakResidentKiB"] > 0, figures
rows = figures["rows"]
assert [(r["map"], r["mode"]) for r in rows] == [(t[0], t[1]) for t in table], rows
for row, line in zip(rows, table):
    shown = [float(v) for v in line[2:]]
    kept = [row["medianMs"], row["p99Ms"], row["worstMs"], row["loadMs"]]
    assert all(abs(a - b) < 0.001 for a, b in zip(shown, kept)), (row, line)
    assert 0 < row["medianMs"] <= row["p99Ms"] <= row["worstMs"], row
PY

"$tool" bench --help >"$work/help"
grep -q 'PageUp Right\*6 Up\*300' "$work/help" || fail "the walk is not in the help"

expect_refusal() {
  local status=0
  "$tool" bench --wad "$wad" "$@" >/dev/null 2>"$work/err" || status=$?
  [ "$status" -eq 2 ] || fail "exit code $status for: $*"
  grep -q '^vellumtarn-frame bench: ' "$work/err" || fail "no reason given for: $*"
}
expect_refusal --size 0x100
expect_refusal --map E1M10
expect_refusal --frames 10
expect_refusal --json

status=0
"$tool" bench --wad "$work/missing.wad" >/dev/null 2>&1 || status=$?
[ "$status" -eq 1 ] || fail "exit code $status for a missing WAD file"
status=0
"$tool" bench --wad "$wad" --map E1M1 --size 32x32 --json "$work/no/such/folder.json" \
  >/dev/null 2>&1 || status=$?
[ "$status" -eq 1 ] || fail "exit code $status for a JSON file it cannot write"
echo "ok"
