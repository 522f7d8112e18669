#include <SDL.h>

#include "platform/window/message_queue.h"
#include "platform/window/screen_host.h"
#include "platform/window/sdl_backend.h"
#include "platform/window/virtual_keys.h"

namespace window {
namespace {

// Repeat count 1; bit 30: the key was down before; bit 31: it is released.
LPARAM KeyFlags(const SDL_KeyboardEvent& key) {
    DWORD flags = 1;
    if (key.type == SDL_KEYUP || key.repeat) flags |= 1u << 30;
    if (key.type == SDL_KEYUP) flags |= 1u << 31;
    return static_cast<LPARAM>(flags);
}

void PostKey(const SDL_KeyboardEvent& key) {
    HostWindow* window = HostWindowOf(key.windowID);
    const WPARAM virtualKey = VirtualKeyOf(key.keysym.sym);
    if (window == nullptr || virtualKey == 0) return;
    PostToQueue(window->handle, key.type == SDL_KEYDOWN ? WM_KEYDOWN : WM_KEYUP, virtualKey,
                KeyFlags(key));
}

void HandleWindowEvent(const SDL_WindowEvent& event) {
    HostWindow* window = HostWindowOf(event.windowID);
    if (window == nullptr) return;
    switch (event.event) {
        case SDL_WINDOWEVENT_SIZE_CHANGED:
            ReportClientSize(window);
            break;
        case SDL_WINDOWEVENT_EXPOSED:
            window->invalid = true;
            window->erasePending = true;
            break;
        case SDL_WINDOWEVENT_MINIMIZED:
            window->minimized = true;
            break;
        case SDL_WINDOWEVENT_RESTORED:
        case SDL_WINDOWEVENT_MAXIMIZED:
            window->minimized = false;
            break;
        case SDL_WINDOWEVENT_CLOSE:
            window->procedure(window->handle, WM_CLOSE, 0, 0);
            break;
        default:
            break;
    }
}

}  // namespace

void PumpScreenEvents() {
    StartSdlVideo();
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        switch (event.type) {
            case SDL_KEYDOWN:
            case SDL_KEYUP:
                PostKey(event.key);
                break;
            case SDL_MOUSEMOTION:
                if (HostWindow* window = HostWindowOf(event.motion.windowID)) {
                    PostMouseMove(window->handle, MAKELPARAM(event.motion.x, event.motion.y));
                }
                break;
            case SDL_WINDOWEVENT:
                HandleWindowEvent(event.window);
                break;
            default:
                break;
        }
    }
}

void WaitForScreenEvents(std::optional<int> milliseconds) {
    if (milliseconds) {
        SDL_WaitEventTimeout(nullptr, *milliseconds);
    } else {
        SDL_WaitEvent(nullptr);
    }
}

}  // namespace window
