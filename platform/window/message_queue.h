// The thread's queue of posted messages, which input joins as it arrives.
#pragma once

#include "platform/windows_api.h"

namespace window {

void PostToQueue(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Windows keeps only the latest mouse position waiting for a window: a move
// replaces one still queued at the tail.
void PostMouseMove(HWND window, LPARAM position);

}  // namespace window
