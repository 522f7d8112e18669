// The walk through the map's BSP tree that draws its partition lines and
// hands every leaf it reaches to the subsector drawing.
#pragma once

#include <cstdint>

#include "wad/level_view.h"

// child is a child reference: bit 15 set names a subsector (0xFFFF
// subsector 0), clear a node. A call with depth 0 starts a walk; the walk
// calls itself with the depth of the node it draws.
void WalkBspNode(LevelView* level, uint16_t child, int32_t depth);

// Whether the player's unit cell, from the truncated position to one unit
// beyond, touches or overlaps a node's box (top, bottom, left, right).
bool PlayerInNodeBox(const int16_t box[4]);
