#!/usr/bin/env bash
# vellumtarn-frame bench on a small window: a floor row and one row per map
# and mode with four figures and two multiples of the floor, the peak memory,
# the same figures as JSON with each paint's time in the walk's order, which
# bench-combine reads back, the walk in its help, and clear refusals of bad
# arguments. The figures are not judged.
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
times="$number +$number +$number"
grep -Eq "^- +floor +$times +- +1\.00 +1\.00$" "$work/out" || fail "no floor row"
for mode in outline fill outline-all fill-all; do
  grep -Eq "^E1M2 +$mode +$times +$number +[0-9]+\.[0-9]{2} +[0-9]+\.[0-9]{2}$" "$work/out" ||
    fail "no row for $mode"
done
[ "$(grep -c '^E1M' "$work/out")" -eq 4 ] || fail "rows for other maps or modes"
grep -Eq '^peak resident memory: [0-9]+\.[0-9] MiB$' "$work/out" || fail "no peak memory"

python3 - "$work/figures.json" "$work/out" <<'PY'
import json, sys
figures = json.load(open(sys.argv[1]))
lines = [line.split() for line in open(sys.argv[2])]
table = [line for line in lines if line[0].startswith("E1M")]
floor = figures["floor"]
shownFloor = next(line for line in lines if line[:2] == ["-", "floor"])
kept = [floor[k] for k in ("medianMs", "p99Ms", "worstMs")]
assert all(abs(float(a) - b) < 0.001 for a, b in zip(shownFloor[2:5], kept)), shownFloor
assert 0 < floor["medianMs"] <= floor["p99Ms"] <= floor["worstMs"], floor

def summary(paints):
    ordered = sorted(paints)
    assert len(ordered) == figures["frames"], len(ordered)
    return [ordered[299], ordered[593], ordered[-1]]
assert summary(floor["paintMs"]) == kept, floor
assert (figures["width"], figures["height"]) == (160, 120), figures
assert figures["frames"] == 600 and figures["loads"] == 20, figures
assert figures["peakResidentKiB"] > 0, figures
rows = figures["rows"]
assert [(r["map"], r["mode"]) for r in rows] == [(t[0], t[1]) for t in table], rows
for row, line in zip(rows, table):
    shown = [float(v) for v in line[2:]]
    kept = [row["medianMs"], row["p99Ms"], row["worstMs"], row["loadMs"],
            row["medianFloors"], row["p99Floors"]]
    assert all(abs(a - b) < 0.006 for a, b in zip(shown, kept)), (row, line)
    for kind in ("median", "p99"):
        again = row[kind + "Floors"] * floor[kind + "Ms"] / row[kind + "Ms"]
        assert abs(again - 1) < 0.02, (kind, row, floor)
    assert 0 < row["medianMs"] <= row["p99Ms"] <= row["worstMs"], row
    assert summary(row["paintMs"]) == kept[:3], row
    assert row["paintMs"] != sorted(row["paintMs"]), "paints not in the walk's order"
PY

# One run given twice: each frame's least time is its only one.
"$(dirname "$0")/../../tools/frame/bench-combine" "$work/figures.json" "$work/figures.json" \
  >"$work/combined"
cat "$work/combined"
python3 - "$work/figures.json" "$work/combined" <<'PY'
import json, sys
figures = json.load(open(sys.argv[1]))
combined = [line.split() for line in open(sys.argv[2])][3:]
rows = [figures["floor"]] + figures["rows"]
assert len(combined) == len(rows), combined
for row, line in zip(rows, combined):
    values = [float(v) for v in line[2:6]]
    assert values == [round(row[k], 3) for k in ("medianMs", "p99Ms", "medianMs", "p99Ms")], line
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
