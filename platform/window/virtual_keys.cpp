#include "platform/window/virtual_keys.h"

#include <utility>

namespace window {
namespace {

constexpr std::pair<SDL_Keycode, WPARAM> kKeyTable[] = {
    {SDLK_BACKSPACE, 0x08},
    {SDLK_TAB, 0x09},
    {SDLK_RETURN, 0x0D},
    {SDLK_LSHIFT, 0x10},
    {SDLK_RSHIFT, 0x10},
    {SDLK_LCTRL, VK_CONTROL},
    {SDLK_RCTRL, VK_CONTROL},
    {SDLK_LALT, 0x12},
    {SDLK_RALT, 0x12},
    {SDLK_PAUSE, 0x13},
    {SDLK_CAPSLOCK, 0x14},
    {SDLK_ESCAPE, VK_ESCAPE},
    {SDLK_SPACE, VK_SPACE},
    {SDLK_PAGEUP, VK_PRIOR},
    {SDLK_PAGEDOWN, VK_NEXT},
    {SDLK_END, 0x23},
    {SDLK_HOME, 0x24},
    {SDLK_LEFT, VK_LEFT},
    {SDLK_UP, VK_UP},
    {SDLK_RIGHT, VK_RIGHT},
    {SDLK_DOWN, VK_DOWN},
    {SDLK_PRINTSCREEN, 0x2C},
    {SDLK_INSERT, 0x2D},
    {SDLK_DELETE, 0x2E},
    {SDLK_KP_0, 0x60},
    {SDLK_KP_1, 0x61},
    {SDLK_KP_2, 0x62},
    {SDLK_KP_3, 0x63},
    {SDLK_KP_4, 0x64},
    {SDLK_KP_5, 0x65},
    {SDLK_KP_6, 0x66},
    {SDLK_KP_7, 0x67},
    {SDLK_KP_8, 0x68},
    {SDLK_KP_9, 0x69},
    {SDLK_KP_MULTIPLY, 0x6A},
    {SDLK_KP_PLUS, VK_ADD},
    {SDLK_KP_MINUS, VK_SUBTRACT},
    {SDLK_KP_PERIOD, 0x6E},
    {SDLK_KP_DIVIDE, 0x6F},
    {SDLK_KP_ENTER, 0x0D},
    {SDLK_F1, VK_F1},
    {SDLK_F2, VK_F2},
    {SDLK_F3, VK_F3},
    {SDLK_F4, VK_F4},
    {SDLK_F5, 0x74},
    {SDLK_F6, 0x75},
    {SDLK_F7, 0x76},
    {SDLK_F8, 0x77},
    {SDLK_F9, 0x78},
    {SDLK_F10, 0x79},
    {SDLK_F11, 0x7A},
    {SDLK_F12, 0x7B},
    {SDLK_NUMLOCKCLEAR, 0x90},
    {SDLK_SCROLLLOCK, 0x91},
    {SDLK_SEMICOLON, 0xBA},
    {SDLK_EQUALS, 0xBB},
    {SDLK_PLUS, 0xBB},
    {SDLK_COMMA, 0xBC},
    {SDLK_MINUS, 0xBD},
    {SDLK_PERIOD, 0xBE},
    {SDLK_SLASH, 0xBF},
    {SDLK_BACKQUOTE, 0xC0},
    {SDLK_LEFTBRACKET, 0xDB},
    {SDLK_BACKSLASH, 0xDC},
    {SDLK_RIGHTBRACKET, 0xDD},
    {SDLK_QUOTE, 0xDE},
};

}  // namespace

WPARAM VirtualKeyOf(SDL_Keycode key) {
    // Letters and digits carry their upper-case character as their code.
    if (key >= SDLK_a && key <= SDLK_z) return static_cast<WPARAM>(key - SDLK_a + 'A');
    if (key >= SDLK_0 && key <= SDLK_9) return static_cast<WPARAM>(key);
    for (const auto& [sdlKey, virtualKey] : kKeyTable) {
        if (sdlKey == key) return virtualKey;
    }
    return 0;
}

}  // namespace window
