// A window kept in memory: no screen, no SDL.
#pragma once

#include <memory>

#include "platform/window/window_backend.h"

namespace window {

// The window's client area starts at clientWidth x clientHeight, and so does
// the one monitor it stands on.
std::unique_ptr<WindowBackend> MakeHeadlessBackend(int clientWidth, int clientHeight);

}  // namespace window
