// The viewer's window procedure: start-up, size, paint, timer and keys.
#pragma once

#include "platform/windows_api.h"

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
