// The node report in its three forms: the table for people, JSON for
// programs, and the tree as Graphviz DOT.
#pragma once

#include <cstdio>
#include <utility>
#include <vector>

#include "tools/frame/node_tree.h"

struct MapTree {
    int mapIndex;
    NodeTree tree;
};

// One line of counts per map, then one line per fault.
void PrintNodeTable(FILE* out, const std::vector<MapTree>& maps);

// The same figures and faults as one JSON object; false when it fails.
bool WriteNodeJson(const char* path, const std::vector<MapTree>& maps);

// The loaded level's tree, each reached node labelled with its index and
// depth, leaves as subsectors, faults in red; false when it fails.
bool WriteNodeDot(const char* path, const LevelView& level, const MapTree& map);
