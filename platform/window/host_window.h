// The windows and window classes of the process, as the Windows calls of
// this folder see them.
#pragma once

#include <chrono>
#include <memory>
#include <vector>

#include "platform/window/present_counter.h"
#include "platform/window/window_backend.h"

namespace window {

using Clock = std::chrono::steady_clock;

struct Timer {
    UINT_PTR id;
    Clock::duration period;
    Clock::time_point due;
};

struct HostWindow {
    HWND handle;
    WNDPROC procedure;
    DWORD style;
    std::unique_ptr<WindowBackend> backend;
    // The client size that the last WM_SIZE told the window procedure; none
    // at first, so that creation always reports one.
    int clientWidth = -1;
    int clientHeight = -1;
    bool visible = false;
    // A minimised window has no client area to paint.
    bool minimized = false;
    bool invalid = false;
    bool erasePending = false;
    bool topmost = false;
    std::vector<Timer> timers;
    // The device context that paints reach, kept while the back buffer stays.
    HDC paintDc = nullptr;
    BackBuffer paintBuffer{};
    PresentCounter presents;
};

// Registers a class; false when the name is taken or the record incomplete.
bool AddWindowClass(const WNDCLASSA& windowClass);
const WNDCLASSA* FindWindowClass(const char* name);

// Takes ownership of the window and gives it a handle that is never reused.
HostWindow* AddWindow(std::unique_ptr<HostWindow> window);
HostWindow* FindWindow(HWND handle);
void RemoveWindow(HWND handle);
// Every live window, oldest first; the list changes only between calls that
// create or destroy windows.
const std::vector<std::unique_ptr<HostWindow>>& Windows();

// Tells the window procedure the client size when it changed since it last
// heard, and marks the window for repainting.
void ReportClientSize(HostWindow* window);

// Sends WM_DESTROY and forgets the window.
void DestroyHostWindow(HostWindow* window);

}  // namespace window
