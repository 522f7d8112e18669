// One whole frame: the cleared surface, the status line, the overview of the
// map, the BSP walk with its subsectors and walls, and the player marker.
#pragma once

#include "platform/windows_api.h"
#include "wad/level_view.h"

void DrawOverview(HDC surface, LevelView* level);
