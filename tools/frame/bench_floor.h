// The floor of the bench: what a paint costs when it draws nothing, so that
// figures from machines of different speed can be set side by side.
#pragma once

#include <vector>

#include "platform/windows_api.h"

// A window of the headless size whose paint is the viewer's paint path
// without its drawing: bitmap, upload, clearing rectangle, copy to the
// window and the window's own present.
HWND CreateFloorWindow(int width, int height);
