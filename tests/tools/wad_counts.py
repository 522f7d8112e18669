#!/usr/bin/env python3
"""An independent reader of a WAD's map lumps. Prints, for E1M1 to E1M9, the
record counts in the order vellumtarn-frame info prints them, taking each
map's lumps from the entries between its marker and the next marker; with
--nodes, the figures of each node tree as vellumtarn-frame nodes prints
them (map nodes subsectors segs depth mean-depth faults), read on its own:
the walk from the root, the boxes against the seg vertices beneath them."""
import struct
import sys

RECORD_SIZES = [("VERTEXES", 4), ("LINEDEFS", 14), ("THINGS", 10), ("SIDEDEFS", 30),
                ("SECTORS", 26), ("SEGS", 12), ("SSECTORS", 4), ("NODES", 28)]
MAP_LUMPS = {name for name, _ in RECORD_SIZES} | {"REJECT", "BLOCKMAP"}


def map_lumps(path):
    data = open(path, "rb").read()
    _, count, offset = struct.unpack_from("<4sii", data, 0)
    entries = [struct.unpack_from("<ii8s", data, offset + 16 * i) for i in range(count)]
    names = [e[2].rstrip(b"\0").decode("ascii") for e in entries]
    for m in range(1, 10):
        marker = "E1M%d" % m
        start = names.index(marker) + 1
        lumps = {}
        for (pos, size, _), name in zip(entries[start:], names[start:]):
            if name not in MAP_LUMPS:
                break
            lumps[name] = data[pos:pos + size]
        yield marker, lumps


def records(lump, layout):
    size = struct.calcsize(layout)
    return [struct.unpack_from(layout, lump, i) for i in range(0, len(lump) - size + 1, size)]


def tree_figures(lumps):
    vertexes = records(lumps["VERTEXES"], "<hh")
    segs = records(lumps["SEGS"], "<hhhhhh")
    subsectors = records(lumps["SSECTORS"], "<hh")
    nodes = records(lumps["NODES"], "<hhhh8hHH")
    faults, leaf_depths, seen = 0, [], set()

    def points(sub):
        count, first = subsectors[sub]
        return [vertexes[v] for s in segs[first:first + count] for v in s[:2]]

    def walk(child, depth):  # the points beneath child
        nonlocal faults
        if child & 0x8000:
            sub = 0 if child == 0xFFFF else child & 0x7FFF
            leaf_depths.append(depth)
            return points(sub)
        seen.add(child)
        x, y, dx, dy, *box, right_child, left_child = nodes[child]
        faults += dx == 0 and dy == 0
        beneath = []
        for k, c in enumerate((right_child, left_child)):
            top, bottom, left, right = box[4 * k:4 * k + 4]
            under = walk(c, depth + 1)
            faults += any(not (min(left, right) <= px <= max(left, right) and
                               min(top, bottom) <= py <= max(top, bottom)) for px, py in under)
            beneath += under
        return beneath

    walk((len(nodes) - 1) & 0xFFFF, 0)
    faults += len(nodes) - len(seen) + sum(1 for count, _ in subsectors if count <= 0)
    depth = max(leaf_depths)
    return len(nodes), len(subsectors), len(segs), depth, sum(leaf_depths) / len(leaf_depths), faults


def main(path, nodes=False):
    if nodes:
        print("map nodes subsectors segs depth mean-depth faults")
    else:
        print("map vertexes linedefs things sidedefs sectors segs subsectors nodes")
    for marker, lumps in map_lumps(path):
        if nodes:
            n, s, g, depth, mean, faults = tree_figures(lumps)
            print(marker, n, s, g, depth, "%.2f" % mean, faults)
        else:
            print(marker, " ".join(str(len(lumps[name]) // rec) for name, rec in RECORD_SIZES))


if __name__ == "__main__":
    main(sys.argv[1], "--nodes" in sys.argv[2:])
