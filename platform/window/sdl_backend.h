// A window on the screen through SDL2.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/window/host_window.h"

namespace window {

// Opens SDL's video the first time. A host without a display cannot show a
// window at all: it says so on standard error and ends the process.
void StartSdlVideo();

// The window that an SDL event names; null once it is gone.
HostWindow* HostWindowOf(uint32_t sdlWindowId);

}  // namespace window
