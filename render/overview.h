// One whole frame: the cleared surface, the status line, the overview of the
// map, the BSP walk with its subsectors and walls, and the player marker.
#pragma once

#include "platform/windows_api.h"
#include "wad/level_view.h"

void DrawOverview(HDC surface, LevelView* level);

// The frame's walk of the tree from the root, on a surface the frame has
// already started (level->dc set): the partition lines, segs and walls.
void DrawTreeWalk(HDC surface, LevelView* level);
