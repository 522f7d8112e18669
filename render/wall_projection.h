// One wall in the perspective view: the face standing on a seg, centred on
// the middle of the client area, drawn over the overview.
#pragma once

#include "platform/windows_api.h"
#include "wad/level_view.h"

// x1, y1 and x2, y2 are the seg's ends in overview units; the player's
// position is taken as a surface position. Selects the wall pen of the
// current subsector and leaves it selected.
void ProjectWall(LevelView* level, HDC surface, float x1, float y1, float x2, float y2,
                 float ceiling, float floor, float playerPosX, float playerPosY,
                 float playerFacing);
