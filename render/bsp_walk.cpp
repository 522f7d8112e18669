#include "render/bsp_walk.h"

#include <algorithm>
#include <cstring>

#include "render/partition_line.h"
#include "render/subsector_drawing.h"

namespace {

// A child reference can name nodes 0 to 32767 only.
constexpr int32_t kNodeReferenceCount = 32768;

// Nodes entered in the walk in progress. A valid tree enters each node at
// most once, so the walk never enters more than the table holds; damaged
// data whose children lead back up the tree, or to a shared node, is cut
// off there instead of nesting without end or branching exponentially.
int32_t nodesEntered;

}  // namespace

// The partition drawing lives in its own function so that the frame that
// nests, once per level of the tree, stays small.
void WalkBspNode(LevelView* level, uint16_t child, int32_t depth) {
    if (child & 0x8000) {
        DrawSubsector(level, child == 0xFFFF ? 0 : static_cast<int16_t>(child & 0x7FFF));
        return;
    }
    if (depth == 0) nodesEntered = 0;
    const int32_t nodeLimit = std::min(level->numNodes, kNodeReferenceCount);
    if (child >= level->numNodes || nodesEntered >= nodeLimit) return;
    nodesEntered++;

    const MapNode& node = level->nodes[child];
    const int side = PlayerSideOfPartition(node);
    const int32_t drawnDepth = depth + 1;
    DrawPartitionLine(level, node, drawnDepth, side);
    if (drawnDepth >= level->maxDepth) return;
    WalkBspNode(level, node.children[side], drawnDepth);
    // The node lies in the file at whatever alignment the file gives it, so
    // its box is copied out before it is read as an array of int16_t.
    int16_t farBox[4];
    memcpy(farBox, node.bbox[1 - side], sizeof farBox);
    if (PlayerInNodeBox(farBox) || level->drawAllNodes == 1) {
        WalkBspNode(level, node.children[1 - side], drawnDepth);
    }
}
