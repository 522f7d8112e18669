// Whether windows live on a screen or headless in memory, and
// the host events that feed the message loop either way.
#pragma once

#include <memory>
#include <optional>

#include "platform/window/host_window.h"

namespace window {

// True from the first UseHeadlessWindows on.
bool IsHeadless();

// The backend for a new window in the current mode; null when the host
// cannot make one. x, y, width and height may be CW_USEDEFAULT.
std::unique_ptr<WindowBackend> MakeBackend(HostWindow* owner, const char* title, DWORD style, int x,
                                           int y, int width, int height);

// Turns waiting host events into messages: input is posted, size changes
// and close requests are sent to the window procedure at once.
void PumpHostEvents();

// Blocks until a host event arrives or until the deadline passes; without a
// deadline, until an event arrives.
void WaitForHostEvents(std::optional<Clock::time_point> deadline);

}  // namespace window
