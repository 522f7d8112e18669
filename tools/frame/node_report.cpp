#include "tools/frame/node_report.h"

#include <map>
#include <string>

namespace {

bool Close(FILE* file, const char* path) {
    const bool written = ferror(file) == 0;
    if (fclose(file) != 0 || !written) {
        fprintf(stderr, "vellumtarn-frame: cannot write %s\n", path);
        return false;
    }
    return true;
}

FILE* Open(const char* path) {
    FILE* file = fopen(path, "w");
    if (file == nullptr) fprintf(stderr, "vellumtarn-frame: cannot write %s\n", path);
    return file;
}

// Our details hold no control characters; quotes and backslashes only.
std::string Quoted(const std::string& text) {
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') quoted += '\\';
        quoted += c;
    }
    return quoted + '"';
}

// The faults of each record, as DOT shows them on its box.
std::map<std::string, std::string> FaultsByRecord(const NodeTree& tree) {
    std::map<std::string, std::string> faults;
    for (const TreeFault& fault : tree.faults) {
        std::string& text = faults[std::string(fault.record) + std::to_string(fault.index)];
        text += std::string(text.empty() ? "" : "\\n") + fault.kind;
    }
    return faults;
}

}  // namespace

void PrintNodeTable(FILE* out, const std::vector<MapTree>& maps) {
    fprintf(out, "%-5s %6s %10s %6s %5s %10s %6s %7s %6s\n", "map", "nodes", "subsectors", "segs",
            "depth", "mean-depth", "ideal", "balance", "faults");
    for (const MapTree& map : maps) {
        const NodeTree& t = map.tree;
        fprintf(out, "%-5s %6d %10d %6d %5d %10.2f %6.2f %7.2f %6zu\n", mapTable[map.mapIndex].name,
                t.nodes, t.subsectors, t.segs, t.depth, t.meanSubsectorDepth, t.idealDepth,
                TreeBalance(t), t.faults.size());
    }
    for (const MapTree& map : maps) {
        for (const TreeFault& fault : map.tree.faults) {
            fprintf(out, "%s %s %d %s: %s\n", mapTable[map.mapIndex].name, fault.record,
                    fault.index, fault.kind, fault.detail.c_str());
        }
    }
}

bool WriteNodeJson(const char* path, const std::vector<MapTree>& maps) {
    FILE* file = Open(path);
    if (file == nullptr) return false;
    fprintf(file, "{\"maps\": [");
    for (size_t m = 0; m < maps.size(); ++m) {
        const NodeTree& t = maps[m].tree;
        fprintf(file,
                "%s\n {\"map\": \"%s\", \"nodes\": %d, \"subsectors\": %d, \"segs\": %d, "
                "\"depth\": %d, \"meanSubsectorDepth\": %.4f, \"idealDepth\": %.4f, "
                "\"balance\": %.4f, \"faults\": [",
                m == 0 ? "" : ",", mapTable[maps[m].mapIndex].name, t.nodes, t.subsectors, t.segs,
                t.depth, t.meanSubsectorDepth, t.idealDepth, TreeBalance(t));
        for (size_t f = 0; f < t.faults.size(); ++f) {
            const TreeFault& fault = t.faults[f];
            fprintf(file,
                    "%s\n  {\"kind\": \"%s\", \"record\": \"%s\", \"index\": %d, \"detail\": %s}",
                    f == 0 ? "" : ",", fault.kind, fault.record, fault.index,
                    Quoted(fault.detail).c_str());
        }
        fprintf(file, "]}");
    }
    fprintf(file, "\n]}\n");
    return Close(file, path);
}

bool WriteNodeDot(const char* path, const LevelView& level, const MapTree& map) {
    FILE* file = Open(path);
    if (file == nullptr) return false;
    const NodeTree& tree = map.tree;
    std::map<std::string, std::string> faults = FaultsByRecord(tree);
    const auto mark = [&](const std::string& record) {
        const auto found = faults.find(record);
        if (found == faults.end()) return std::string();
        return " color=red fontcolor=red xlabel=" + Quoted(found->second);
    };
    fprintf(file, "digraph %s {\n node [shape=box fontsize=10];\n", mapTable[map.mapIndex].name);
    for (int i = 0; i < level.numNodes; ++i) {
        const int depth = tree.nodeDepth[i];
        fprintf(file, " n%d [label=\"N%d\\nd%d\"%s%s];\n", i, i, depth,
                depth == 0 ? " style=dashed" : "", mark("node" + std::to_string(i)).c_str());
        if (depth == 0) continue;
        for (int k = 0; k < 2; ++k) {
            const uint16_t child = level.nodes[i].children[k];
            const int index = child == 0xFFFF ? 0 : child & 0x7FFF;
            const bool leaf = (child & 0x8000) != 0;
            if (index < (leaf ? level.numSubsectors : level.numNodes)) {
                fprintf(file, " n%d -> %c%d [label=\"%d\"];\n", i, leaf ? 's' : 'n', index, k);
            } else {
                fprintf(file, " x%d_%d [label=\"0x%04X\" color=red fontcolor=red];\n", i, k, child);
                fprintf(file, " n%d -> x%d_%d [label=\"%d\" color=red];\n", i, i, k, k);
            }
        }
    }
    for (int i = 0; i < level.numSubsectors; ++i) {
        fprintf(file, " s%d [shape=ellipse label=\"S%d\"%s%s];\n", i, i,
                tree.subsectorDepth[i] < 0 ? " style=dashed" : "",
                mark("subsector" + std::to_string(i)).c_str());
    }
    fprintf(file, "}\n");
    return Close(file, path);
}
