#!/usr/bin/env python3
"""vellumtarn-frame nodes on crafted WADs: a sound tree gives no fault and
each damage exactly the faults it makes, with their indexes; the DOT file
parses with dot and marks the faults; Freedoom's figures agree with the
independent reader; bad arguments exit 2 with one line and write nothing."""
import json
import os
import struct
import subprocess
import sys
import tempfile

from frame_pictures import FREEDOOM, TOOL, WORK, fail
from wad_counts import main as independent_reading


def room(damage):
    """A 128-unit square room: the root, node 1, splits it at x 64 into the
    west, subsector 0, and the east, node 0, split into subsectors 1 and 2."""
    m = dict(
        vertexes=[(0, 0), (64, 0), (128, 0), (128, 128), (64, 128), (0, 128)],
        segs=[[0, 1, 0, 0, 0, 0], [4, 5, 0, 1, 0, 0], [5, 0, 0, 2, 0, 0],
              [1, 2, 0, 3, 0, 0], [2, 3, 0, 4, 0, 0], [3, 4, 0, 5, 0, 0]],
        subsectors=[[3, 0], [2, 3], [1, 5]],
        nodes=[[96, 0, 0, 128, 128, 0, 64, 128, 128, 0, 64, 128, 0x8001, 0x8002],
               [64, 0, 0, 128, 128, 0, 64, 128, 128, 0, 0, 64, 0, 0x8000]])
    damage(m)
    # The loader takes a map's lumps in the standard order after its marker.
    lumps = [("E1M1", b""), ("THINGS", b""),
             ("LINEDEFS", b"".join(struct.pack("<7h", 0, 0, 1, 0, 0, 0, -1) for _ in range(6))),
             ("SIDEDEFS", struct.pack("<hh24sh", 0, 0, b"", 0)),
             ("VERTEXES", b"".join(struct.pack("<hh", *v) for v in m["vertexes"])),
             ("SEGS", b"".join(struct.pack("<6h", *s) for s in m["segs"])),
             ("SSECTORS", b"".join(struct.pack("<hh", *s) for s in m["subsectors"])),
             ("NODES", b"".join(struct.pack("<12h2H", *n) for n in m["nodes"])),
             ("SECTORS", struct.pack("<hh16s3h", 0, 128, b"", 160, 0, 0))]
    offset, body, directory = 12, b"", b""
    for name, data in lumps:
        directory += struct.pack("<ii8s", offset + len(body), len(data), name.encode())
        body += data
    path = os.path.join(WORK, "room.wad")
    open(path, "wb").write(struct.pack("<4sii", b"PWAD", len(lumps), 12 + len(body)) + body + directory)
    return path


def setter(table, row, column, value):
    return lambda m: m[table][row].__setitem__(column, value)


def extra_unreached_node(m):
    m["nodes"] = [list(m["nodes"][0])] + m["nodes"]
    m["nodes"][2][12] = 1


CASES = [
    ("sound tree", lambda m: None, []),
    ("leaf outside", setter("nodes", 0, 13, 0x8009),
     [("child-outside", "node", 0), ("unreached", "subsector", 2)]),
    ("cycle", setter("nodes", 0, 13, 1), [("cycle", "node", 1), ("unreached", "subsector", 2)]),
    ("node reached twice", setter("nodes", 1, 13, 0),
     [("reached-twice", "node", 0), ("box-too-small", "node", 1), ("unreached", "subsector", 0)]),
    ("subsector reached twice", setter("nodes", 0, 13, 0x8001),
     [("reached-twice", "subsector", 1), ("unreached", "subsector", 2)]),
    ("unreached node", extra_unreached_node, [("unreached", "node", 0)]),
    ("zero partition", lambda m: m["nodes"][0].__setitem__(slice(2, 4), [0, 0]),
     [("zero-partition", "node", 0)]),
    ("no segs", setter("subsectors", 2, 0, 0), [("no-segs", "subsector", 2)]),
    ("box too small", setter("nodes", 1, 7, 100), [("box-too-small", "node", 1)]),
    ("segs outside", setter("subsectors", 2, 0, 3), [("segs-outside", "subsector", 2)]),
    ("seg shared", lambda m: m["subsectors"].__setitem__(2, [2, 4]), [("seg-shared", "seg", 4)]),
    ("vertex outside", setter("segs", 5, 1, 40), [("vertex-outside", "seg", 5)]),
    ("no sector", setter("segs", 5, 4, 1), [("no-sector", "seg", 5)]),
]


def run(*arguments):
    return subprocess.run([TOOL, "nodes", *arguments], capture_output=True, text=True)


for name, damage, expected in CASES:
    out = os.path.join(WORK, "report.json")
    result = run("--wad", room(damage), "--map", "E1M1", "--json", out)
    if result.returncode != 0:
        fail("%s: exit %d %s" % (name, result.returncode, result.stderr))
    report = json.load(open(out))["maps"][0]
    found = sorted((f["kind"], f["record"], f["index"]) for f in report["faults"])
    if found != sorted(expected):
        fail("%s: faults %s, expected %s" % (name, found, sorted(expected)))
    if len(result.stdout.splitlines()) != 2 + len(expected):
        fail("%s: table of %d lines:\n%s" % (name, len(result.stdout.splitlines()), result.stdout))

figures = json.load(open(out))["maps"][0]
sound = run("--wad", room(lambda m: None), "--map", "E1M1").stdout.split("\n")[1].split()
if sound[1:8] != ["2", "3", "6", "2", "1.67", "1.58", "1.05"]:
    fail("figures of the sound tree: %s" % sound)

dot_file = os.path.join(WORK, "tree.dot")
for wad in (room(setter("nodes", 0, 13, 1)), FREEDOOM):
    run("--wad", wad, "--map", "E1M1", "--dot", dot_file)
    drawn = subprocess.run(["dot", "-Tsvg", dot_file], capture_output=True, text=True)
    if drawn.returncode != 0 or "<svg" not in drawn.stdout:
        fail("dot refused the tree of %s: %s" % (wad, drawn.stderr))
if "N0\\nd1" not in open(dot_file).read().replace("N485\\nd1", "N0\\nd1"):
    fail("the root of Freedoom's E1M1 is not labelled with its index and depth")
run("--wad", room(setter("nodes", 0, 13, 1)), "--map", "E1M1", "--dot", dot_file)
if 'color=red fontcolor=red xlabel="cycle"' not in open(dot_file).read():
    fail("the DOT file does not mark the cycle")

table = run("--wad", FREEDOOM).stdout.splitlines()[1:]
mine = [" ".join(row.split()[i] for i in (0, 1, 2, 3, 4, 5, 8)) for row in table]
with tempfile.TemporaryFile("w+") as reading:
    stdout, sys.stdout = sys.stdout, reading
    independent_reading(FREEDOOM, nodes=True)
    sys.stdout = stdout
    reading.seek(0)
    if mine != reading.read().splitlines()[1:]:
        fail("Freedoom's trees read differently:\n%s" % "\n".join(table))

refused = os.path.join(WORK, "refused")
for arguments in (["--map", "E1M0"], ["--dot", refused], ["--json"], ["--frobnicate", "1"]):
    result = run("--wad", FREEDOOM, *arguments)
    if result.returncode != 2 or len(result.stderr.splitlines()) != 1 or result.stdout:
        fail("%s: exit %d, stderr %r" % (arguments, result.returncode, result.stderr))
if os.path.exists(refused):
    fail("a refused nodes run wrote its file")
