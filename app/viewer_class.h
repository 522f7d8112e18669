// The viewer's window class and its one window, as the process entry makes
// them; tools and tests that drive the viewer make them the same way.
#pragma once

#include "render/windows_api.h"

// Registers the class "Vellumtarn" with the viewer's window procedure.
// Returns false when the system refuses it.
bool RegisterViewerClass(HINSTANCE instance);

// Creates the viewer's window of that class, framed and at the system's
// default place and size; its creation starts the viewer.
HWND CreateViewerWindowOf(HINSTANCE instance);
