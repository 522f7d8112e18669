#include <cstdio>
#include <cstring>
#include <string>

#include "tools/frame/commands.h"
#include "tools/frame/option_values.h"
#include "wad/level_view.h"

namespace {

const char kInfoHelp[] =
    "usage: vellumtarn-frame info [--wad PATH]\n"
    "\n"
    "Loads E1M1 to E1M9 in turn, as the viewer does, and prints one line per\n"
    "map: its name and the record counts in load order.\n"
    "\n"
    "  --wad PATH   the WAD file to read (default: DOOM1.WAD in the current folder)\n"
    "\n"
    "Exits with 1 when the file cannot be read or is not a WAD file.\n";

}  // namespace

int RunInfoCommand(int argc, char** argv) {
    bool helpWanted = false;
    std::string error;
    if (!WalkOptions(argc, argv, {}, helpWanted, nullptr, error)) {
        fprintf(stderr, "vellumtarn-frame info: %s\n", error.c_str());
        return 2;
    }
    if (helpWanted) {
        fputs(kInfoHelp, stdout);
        return 0;
    }
    if (!CheckWadFile()) return 1;
    printf("map vertexes linedefs things sidedefs sectors segs subsectors nodes\n");
    for (mapIndex = 0; mapIndex < kMapCount; ++mapIndex) {
        LoadLevel(&levelView);
        const LevelView& l = levelView;
        printf("%s %d %d %d %d %d %d %d %d\n", mapTable[mapIndex].name, l.numVertexes,
               l.numLinedefs, l.numThings, l.numSidedefs, l.numSectors, l.numSegs, l.numSubsectors,
               l.numNodes);
    }
    return 0;
}
