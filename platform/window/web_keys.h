// The browser's key names (KeyboardEvent.code) as the virtual-key codes
// Windows puts in WM_KEYDOWN.
#pragma once

#include "platform/windows_api.h"

namespace window {

// The virtual-key code of a physical key; 0 for a key Windows has no code
// for. As on the desktop, both Ctrl keys give VK_CONTROL and keypad + and -
// give VK_ADD and VK_SUBTRACT, distinct from the main keyboard's.
WPARAM VirtualKeyOfCode(const char* code);

}  // namespace window
