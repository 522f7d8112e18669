// A window on the screen through SDL2.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/window/host_window.h"

namespace window {

// Opens SDL's video the first time. A host without a display cannot show a
// window at all: it says so on standard error and ends the process.
void StartSdlVideo();

// An SDL window for owner; CW_USEDEFAULT lets the host choose position and
// size (three quarters of the desktop, as Windows does). Explicit sizes are
// taken as the client size, since the frame is unknown before the window
// exists. Null when SDL cannot create it.
std::unique_ptr<WindowBackend> MakeSdlBackend(HostWindow* owner, const char* title, DWORD style,
                                              int x, int y, int width, int height);

// The window that an SDL event names; null once it is gone.
HostWindow* HostWindowOf(uint32_t sdlWindowId);

}  // namespace window
