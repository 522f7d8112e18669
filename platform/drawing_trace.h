// A text trace of every drawing call that reaches a device context, one call
// a line, so that a frame can be inspected and compared call by call.
#pragma once

// Starts writing the trace to the file at path, replacing it; returns false
// when the file cannot be created. A trace already running is stopped first.
bool StartDrawingTrace(const char* path);

// Stops the trace and closes its file; nothing happens when none runs.
void StopDrawingTrace();
