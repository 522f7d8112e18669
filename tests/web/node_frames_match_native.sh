#!/usr/bin/env bash
# vellumtarn-frame render built for Node paints what the native build
# paints: the same drawing calls and the same pixels on all nine maps, walls
# in outline and filled, at the start and after a walk that fits, zooms, turns,
# limits the tree and crosses the map.
#   node_frames_match_native.sh NATIVE_TOOL NODE_TOOL.js WAD
set -euo pipefail
native=$1 node_tool=$2 wad=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

states=("" "Home PageUp Right*12 Up*230 F3*40 Ctrl")
compared=0
for map in 1 2 3 4 5 6 7 8 9; do
  for keys in "${states[@]}"; do
    for walls in "" "Space"; do
      args=(render --wad "$wad" --map "E1M$map" --size 640x400 --clock 1765000000
            --keys "$keys $walls")
      "$native" "${args[@]}" --out "$work/native.png" --trace "$work/native.trace" 2>/dev/null
      node "$node_tool" "${args[@]}" --out "$work/node.png" --trace "$work/node.trace" 2>/dev/null
      where="E1M$map, keys '$keys $walls'"
      diff -q "$work/native.trace" "$work/node.trace" >/dev/null ||
        { echo "$where: the drawing calls differ"; diff "$work/native.trace" "$work/node.trace" | head; exit 1; }
      differing=$(compare -metric AE "$work/native.png" "$work/node.png" null: 2>&1 || true)
      [ "$differing" = 0 ] || { echo "$where: $differing pixels differ"; exit 1; }
      compared=$((compared + 1))
    done
  done
done
echo "$compared frames: the same drawing calls and pixels from Node as from the native build"
