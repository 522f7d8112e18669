// The page's one canvas and the window it shows.
#pragma once

#include "platform/window/host_window.h"

namespace window {

// The window whose frames the canvas shows and which the page's keys and
// size changes reach; null when there is none.
void SetCanvasWindow(HostWindow* window);

// True while the browser shows part of the page in full screen.
bool PageInFullScreen();

}  // namespace window
