#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "tools/frame/commands.h"
#include "tools/frame/node_report.h"
#include "tools/frame/option_values.h"

namespace {

const char kNodesHelp[] =
    "usage: vellumtarn-frame nodes [--map E1Mn] [--json FILE] [--dot FILE] [--wad PATH]\n"
    "\n"
    "Reads the node tree of each map, E1M1 to E1M9 or the one --map names, and\n"
    "prints a table: the counts of nodes, subsectors and segs, the tree's depth\n"
    "(its longest path, the root at depth 1), the subsectors' mean depth against\n"
    "the ideal log2 of their count, and the number of faults; then one line per\n"
    "fault with its node, subsector or seg index. The faults: child-outside,\n"
    "cycle, reached-twice, unreached, zero-partition, no-segs, box-too-small, and\n"
    "the seg references the renderer skips: segs-outside, seg-shared,\n"
    "vertex-outside, no-sector.\n"
    "\n"
    "  --map E1Mn   only this map\n"
    "  --json FILE  also write the figures and faults as JSON\n"
    "  --dot FILE   also write the tree as Graphviz DOT (needs --map)\n"
    "  --wad PATH   the WAD file (default: DOOM1.WAD in the current folder)\n"
    "\n"
    "Exits with 1 when a file cannot be read or written, 2 on a bad argument.\n";

struct NodesOptions {
    int mapIndex = -1;
    const char* jsonPath = nullptr;
    const char* dotPath = nullptr;
    bool helpWanted = false;
};

bool ParseNodesOptions(int argc, char** argv, NodesOptions& options, std::string& error) {
    const auto take = [&](const char* name, const char* value, std::string&) {
        if (strcmp(name, "--map") == 0) return ParseMap(value, options.mapIndex);
        (strcmp(name, "--json") == 0 ? options.jsonPath : options.dotPath) = value;
        return true;
    };
    if (!WalkOptions(argc, argv, {"--map", "--json", "--dot"}, options.helpWanted, take, error)) {
        return false;
    }
    if (options.dotPath != nullptr && options.mapIndex < 0 && !options.helpWanted) {
        error = "--dot draws one tree and needs --map";
        return false;
    }
    return true;
}

}  // namespace

int RunNodesCommand(int argc, char** argv) {
    NodesOptions options;
    std::string error;
    const bool parsed = ParseNodesOptions(argc, argv, options, error);
    const int opening = OpeningExitCode("nodes", parsed, error, options.helpWanted,
                                        [](FILE* out) { fputs(kNodesHelp, out); });
    if (opening >= 0) return opening;
    std::vector<MapTree> maps;
    bool written = true;
    for (mapIndex = 0; mapIndex < kMapCount; ++mapIndex) {
        if (options.mapIndex >= 0 && mapIndex != options.mapIndex) continue;
        LoadLevel(&levelView);
        maps.push_back({mapIndex, ReadNodeTree(levelView)});
        if (options.dotPath != nullptr) {
            written = WriteNodeDot(options.dotPath, levelView, maps.back()) && written;
        }
    }
    PrintNodeTable(stdout, maps);
    if (options.jsonPath != nullptr) written = WriteNodeJson(options.jsonPath, maps) && written;
    return written ? 0 : 1;
}
