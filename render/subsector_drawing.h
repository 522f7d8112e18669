// A leaf of the BSP walk: the subsector's segs in the overview and the wall
// on each of them.
#pragma once

#include <cstdint>

#include "wad/level_view.h"

// Prints "Fail\r\n" for an index outside the subsector table; otherwise,
// while drawCount is below maxDraw, counts the subsector and draws its segs.
// Since drawCount last started from 0, no more segs are drawn in all than
// the seg table holds.
void DrawSubsector(LevelView* level, int16_t index);
