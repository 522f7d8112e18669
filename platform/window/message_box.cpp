#include <SDL.h>

#include <cstdio>

#include "platform/window/host_mode.h"

namespace {

constexpr int kIdOk = 1;
constexpr UINT kIconWarning = 0x30;
constexpr UINT kIconInformation = 0x40;

Uint32 SdlBoxFlags(UINT type) {
    switch (type & 0xF0) {
        case MB_ICONERROR:
            return SDL_MESSAGEBOX_ERROR;
        case kIconWarning:
            return SDL_MESSAGEBOX_WARNING;
        case kIconInformation:
        default:
            return SDL_MESSAGEBOX_INFORMATION;
    }
}

}  // namespace

// One OK button, whatever the type asks for. Without a screen the box's
// text goes to standard error, and the user's answer is OK all the same.
int MessageBoxA(HWND, LPCSTR text, LPCSTR caption, UINT type) {
    if (window::IsHeadless() ||
        SDL_ShowSimpleMessageBox(SdlBoxFlags(type), caption, text, nullptr) != 0) {
        std::fprintf(stderr, "%s: %s\n", caption != nullptr ? caption : "Error",
                     text != nullptr ? text : "");
    }
    return kIdOk;
}
