// A reading of a map's node tree: its shape, and what is wrong in it, each
// fault with the index of the node, subsector or seg it lies in.
#pragma once

#include <string>
#include <vector>

#include "wad/level_view.h"

struct TreeFault {
    const char* kind;    // a short name, the same in the table, JSON and DOT
    const char* record;  // "node", "subsector" or "seg"
    int index;
    std::string detail;
};

struct NodeTree {
    int nodes = 0;
    int subsectors = 0;
    int segs = 0;
    // The root has depth 1 and a child one more than its parent, as the
    // viewer labels them; a subsector's depth is that of its parent node,
    // the number of nodes above it, so the longest path is the largest.
    int depth = 0;
    double meanSubsectorDepth = 0;
    double idealDepth = 0;            // log2 of the subsector count
    std::vector<int> nodeDepth;       // 0 for a node the root never reaches
    std::vector<int> subsectorDepth;  // -1 for a subsector it never reaches
    std::vector<TreeFault> faults;
};

// Reads the tree of the loaded level from its root, the last node; with no
// nodes the root is subsector 0, as the walk takes it.
NodeTree ReadNodeTree(const LevelView& level);

// Mean subsector depth over its ideal: 1 for a perfectly balanced tree,
// more the further it is from that; 0 when there is no ideal to compare.
double TreeBalance(const NodeTree& tree);
