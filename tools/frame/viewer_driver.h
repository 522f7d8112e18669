// Driving the viewer's own window procedure without a display: the window
// made as the process entry makes it, messages handed over as the message
// loop hands them, and the wall colours' clock held still.
#pragma once

#include "platform/windows_api.h"

// The viewer's window, registered and created with the values the process
// entry uses; creation loads the level and sizes the client area.
HWND CreateViewerWindow();

// Closes the window as a user closes it, and deletes the pens and the brush
// that its creation made: the viewer leaves them to the end of the process,
// and a process that starts it again and again would pile them up.
void CloseViewerWindow(HWND window);

// Hands one message to the window; a key-down is one press, no repeat.
void SendToWindow(HWND window, UINT message, WPARAM wParam);

// From now on the random pens are seeded from this time instead of the
// clock, so that the same keys give the same frame.
void FixPenClock(__time64_t seconds);

// One timer tick, which brings fresh pens, and an invalidated client area,
// so that the next UpdateWindow paints the whole frame.
void TickViewer(HWND window);

// The window's client pixels as a PNG file; false, with the reason on
// standard error, when there are none or the file cannot be written.
bool WriteWindowPicture(HWND window, const char* path);
