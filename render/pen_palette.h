// The pens and the brush that the frame is drawn with.
#pragma once

#include "platform/windows_api.h"
#include "wad/level_view.h"

// The clock that seeds the random pens: _time64 unless a test or a tool
// fixes it to make the palette reproducible.
extern __time64_t (*penClock)(__time64_t* result);

// Creates the thing pen, the seg pen, the hatch brush and both random arrays.
void CreatePenPalette(LevelView* level);

// Deletes and re-creates the 255 wall pens and the 255 dotted pens.
void RegenerateRandomPens(LevelView* level);

// Deletes every pen and the brush the palette holds. The viewer never calls
// it (the end of the process releases them); a tool or test that starts
// many windows in one process does, so that each start's pens go away.
void DeletePenPalette(LevelView* level);
