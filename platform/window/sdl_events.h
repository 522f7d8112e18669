// SDL's events turned into window messages.
#pragma once

#include <optional>

#include "platform/window/host_window.h"

namespace window {

// Drains SDL's queue: keys and mouse moves are posted, size changes,
// exposures and close requests reach the window at once.
void PumpSdlEvents();

// Waits for the next SDL event, or until the deadline.
void WaitForSdlEvents(std::optional<Clock::time_point> deadline);

}  // namespace window
