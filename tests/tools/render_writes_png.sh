#!/usr/bin/env bash
# vellumtarn-frame render: a picture of the asked size that is not blank,
# the same picture again with the same clock, the options and keys showing
# in the picture, the paint's drawing calls in the trace, and clear refusals
# of bad arguments.
set -euo pipefail
tool=$1 wad=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() { echo "$*"; exit 1; }
render() { "$tool" render --wad "$wad" "$@" >"$work/stdout"; }
size_of() { identify -format '%w %h' "$1"; }
colours_of() { identify -format '%k' "$1"; }

render --clock 7 --out "$work/default.png"
[ "$(size_of "$work/default.png")" = "1280 720" ] || fail "default size: $(size_of "$work/default.png")"

render --size 400x400 --clock 7 --keys "Up*20" --out "$work/a.png"
[ "$(size_of "$work/a.png")" = "400 400" ] || fail "size: $(size_of "$work/a.png")"
[ "$(colours_of "$work/a.png")" -ge 10 ] || fail "blank picture: $(colours_of "$work/a.png") colours"

render --size 400x400 --clock 7 --keys "Up*20" --out "$work/b.png"
cmp -s "$work/a.png" "$work/b.png" || fail "the same clock gave two pictures"

expect_other_picture() {
  render --size 400x400 "$@" --out "$work/other.png"
  ! cmp -s "$work/a.png" "$work/other.png" || fail "no change from: $*"
}
expect_other_picture --clock 8 --keys "Up*20"
expect_other_picture --clock 7 --keys "Up Up*19 F1"
expect_other_picture --clock 7 --keys "Up*20" --map E1M2

render --size 400x400 --clock 7 --keys "Up*20" --trace "$work/trace.txt" --out "$work/c.png"
cmp -s "$work/a.png" "$work/c.png" || fail "tracing changed the picture"
[ "$(grep -c LineTo "$work/trace.txt")" -gt 100 ] || fail "trace without the frame's lines"
render --size 400x400 --clock 7 --keys "Up*20" --trace "$work/trace2.txt" --out "$work/c.png"
cmp -s "$work/trace.txt" "$work/trace2.txt" || fail "the same frame traced differently"
render --size 400x400 --clock 7 --keys "Up*20 Space" --trace "$work/trace3.txt" --out "$work/d.png"
render --size 400x400 --clock 7 --keys "Up*20 Space" --repaints 2 --trace "$work/trace4.txt" --out "$work/e.png"
cmp -s "$work/d.png" "$work/e.png" && cmp -s "$work/trace3.txt" "$work/trace4.txt" ||
  fail "earlier paints changed the frame or its trace"

expect_refusal() {
  local status=0
  "$tool" render --wad "$wad" "$@" >/dev/null 2>"$work/err" || status=$?
  [ "$status" -eq 2 ] || fail "exit code $status for: $*"
  grep -q '^vellumtarn-frame render: ' "$work/err" || fail "no reason given for: $*"
}
expect_refusal --size 400x400
expect_refusal --out "$work/x.png" --size 0x200
expect_refusal --out "$work/x.png" --size 320
expect_refusal --out "$work/x.png" --size 400x400x1
expect_refusal --out "$work/x.png" --map E1M0
expect_refusal --out "$work/x.png" --map E2M1
expect_refusal --out "$work/x.png" --keys "Up Jump"
expect_refusal --out "$work/x.png" --keys "Up*0"
expect_refusal --out "$work/x.png" --keys "Up*x"
expect_refusal --out "$work/x.png" --clock soon
expect_refusal --out "$work/x.png" --repaints -1
expect_refusal --out "$work/x.png" --frobnicate
expect_refusal --out
[ ! -e "$work/x.png" ] || fail "a refused render wrote its picture"

expect_failure() {
  local status=0
  "$tool" render --size 40x30 "$@" >/dev/null 2>"$work/err" || status=$?
  [ "$status" -eq 1 ] || fail "exit code $status for: $*"
  grep -q '^vellumtarn-frame: ' "$work/err" || fail "no reason given for: $*"
}
expect_failure --wad "$work/missing.wad" --out "$work/x.png"
expect_failure --wad "$wad" --out "$work/no/such/folder/x.png"
expect_failure --wad "$wad" --out "$work/x.png" --trace "$work/no/such/folder/trace.txt"
"$tool" render --help | grep -q -- '--keys' || fail "help without --keys"
"$tool" render --help | grep -q -- 'Example' || fail "help without an example"
