#include <SDL.h>

#include "platform/window/screen_host.h"

namespace window {
namespace {

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

bool ShowScreenMessageBox(UINT type, const char* caption, const char* text) {
    return SDL_ShowSimpleMessageBox(SdlBoxFlags(type), caption, text, nullptr) == 0;
}

}  // namespace window
