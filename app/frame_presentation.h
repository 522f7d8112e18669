// One frame: drawn offscreen in a bitmap of the client size and copied to
// the window in one block transfer.
#pragma once

#include "platform/windows_api.h"
#include "wad/level_view.h"

// Composes the frame for the paint device context that BeginPaint gave.
void PaintFrame(HDC paintDc, LevelView* level);

// Makes frameStore hold at least width x height 32-bit pixels, growing it
// when it is smaller, and returns how many bytes of it the frame's upload
// may read: width x height x 4, or 0 when no block that large could be had.
DWORD ReserveFrameStore(int32_t width, int32_t height);
