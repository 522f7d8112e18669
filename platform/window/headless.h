// Windows without a screen: for tests and tools that drive the window
// procedure and read back what it painted.
#pragma once

#include <cstdint>

#include "platform/windows_api.h"

// From this call on, windows have no screen and no SDL: CreateWindowExA
// gives a window whose client area is clientWidth x clientHeight, kept in
// memory. Messages flow as usual: UpdateWindow paints at once, InvalidateRect
// marks the window for the next GetMessageA, SetTimer records its timer.
void UseHeadlessWindows(int clientWidth, int clientHeight);

// The client pixels as last painted, 0x00RRGGBB, rows back to back, with the
// size in *width and *height (either may be null); null when the window does
// not exist.
const uint32_t* WindowPixels(HWND window, int* width, int* height);
