// SDL's key codes as the virtual-key codes Windows puts in WM_KEYDOWN.
#pragma once

#include <SDL_keycode.h>

#include "platform/windows_api.h"

namespace window {

// The virtual-key code of an SDL key; 0 for a key Windows has no code for.
// Both Ctrl keys give VK_CONTROL, keypad + and - give VK_ADD and
// VK_SUBTRACT, distinct from the main keyboard's plus and minus.
WPARAM VirtualKeyOf(SDL_Keycode key);

}  // namespace window
