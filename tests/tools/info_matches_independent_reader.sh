#!/usr/bin/env bash
# vellumtarn-frame info must print the counts an independent reader gives.
set -euo pipefail
tool=$1 wad=$2 here=$(dirname "$0")
diff <("$tool" info --wad "$wad") <(python3 "$here/wad_counts.py" "$wad")
