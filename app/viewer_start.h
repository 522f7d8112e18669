// Brings the viewer up while its window is being created.
#pragma once

#include "platform/windows_api.h"
#include "wad/level_view.h"

// Loads the map, builds the texture store, sets the limits, the view and
// the player, creates the pens, sizes the frame store and starts the timer.
void StartViewer(LevelView* level, HWND window);
