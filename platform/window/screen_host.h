// The host that puts windows on a screen: SDL2 on a desktop, a canvas in a
// web page. A build carries exactly one of them.
#pragma once

#include <memory>
#include <optional>

#include "platform/window/host_window.h"

namespace window {

// A window on the screen for owner; x, y, width and height may be
// CW_USEDEFAULT. Null when the host cannot make one.
std::unique_ptr<WindowBackend> MakeScreenBackend(HostWindow* owner, const char* title, DWORD style,
                                                 int x, int y, int width, int height);

// Drains the host's events: keys and mouse moves are posted, size changes,
// exposures and close requests reach the window at once.
void PumpScreenEvents();

// Waits for the next host event, or at most the given milliseconds.
void WaitForScreenEvents(std::optional<int> milliseconds);

// Shows a message box with one OK button and waits for it; false when the
// host has no boxes of its own.
bool ShowScreenMessageBox(UINT type, const char* caption, const char* text);

}  // namespace window
