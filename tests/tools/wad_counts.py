#!/usr/bin/env python3
"""An independent reader of a WAD's map lumps: prints, for E1M1 to E1M9, the
record counts in the order vellumtarn-frame info prints them, taking each
map's lumps from the entries between its marker and the next marker."""
import struct
import sys

RECORD_SIZES = [("VERTEXES", 4), ("LINEDEFS", 14), ("THINGS", 10), ("SIDEDEFS", 30),
                ("SECTORS", 26), ("SEGS", 12), ("SSECTORS", 4), ("NODES", 28)]
MAP_LUMPS = {name for name, _ in RECORD_SIZES} | {"REJECT", "BLOCKMAP"}


def main(path):
    data = open(path, "rb").read()
    _, count, offset = struct.unpack_from("<4sii", data, 0)
    entries = [struct.unpack_from("<ii8s", data, offset + 16 * i) for i in range(count)]
    names = [e[2].rstrip(b"\0").decode("ascii") for e in entries]
    print("map vertexes linedefs things sidedefs sectors segs subsectors nodes")
    for m in range(1, 10):
        marker = "E1M%d" % m
        start = names.index(marker) + 1
        sizes = {}
        for (_, size, _), name in zip(entries[start:], names[start:]):
            if name not in MAP_LUMPS:
                break
            sizes[name] = size
        print(marker, " ".join(str(sizes[name] // rec) for name, rec in RECORD_SIZES))


if __name__ == "__main__":
    main(sys.argv[1])
