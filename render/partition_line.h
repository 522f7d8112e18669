// One node of the BSP walk: which side of its partition line the player is
// on, and the line with its depth label.
#pragma once

#include <cstdint>

#include "wad/level_view.h"

// 0 when the player (as a map position) lies strictly right of the line
// looking along its direction with y up, 1 when left of it or on it.
int PlayerSideOfPartition(const MapNode& node);

// The label "P<depth>" and the partition line, in the dotted pen for
// side 1 and the wall pen for side 0.
void DrawPartitionLine(LevelView* level, const MapNode& node, int32_t depth, int side);
