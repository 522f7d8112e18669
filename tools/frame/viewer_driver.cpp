#include "tools/frame/viewer_driver.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

#include "app/window_procedure.h"
#include "render/pen_palette.h"
#include "wad/level_view.h"

namespace {

__time64_t fixedClockSeconds;

__time64_t FixedClock(__time64_t* result) {
    if (result != nullptr) *result = fixedClockSeconds;
    return fixedClockSeconds;
}

bool windowCreatedBefore;

// Creation reports a missing map.bmp on standard error every time; a run
// that starts many windows says it for the first one only.
HWND CreateWindowSayingOnce() {
    auto create = [] {
        return CreateWindowExA(0, "Vellumtarn", "Vellumtarn", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                               nullptr, nullptr);
    };
    if (!windowCreatedBefore) {
        windowCreatedBefore = true;
        return create();
    }
    fflush(stderr);
    const int kept = dup(STDERR_FILENO);
    const int nowhere = open("/dev/null", O_WRONLY);
    dup2(nowhere, STDERR_FILENO);
    HWND window = create();
    fflush(stderr);
    dup2(kept, STDERR_FILENO);
    close(nowhere);
    close(kept);
    return window;
}

}  // namespace

HWND CreateViewerWindow() {
    WNDCLASSA windowClass{};
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = MainWindowProc;
    windowClass.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_MENU + 1);
    windowClass.lpszClassName = "Vellumtarn";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowSayingOnce();
    ShowWindow(window, SW_SHOWNORMAL);
    return window;
}

void CloseViewerWindow(HWND window) {
    SendToWindow(window, WM_CLOSE, 0);
    DeletePenPalette(&levelView);
}

void SendToWindow(HWND window, UINT message, WPARAM wParam) {
    MSG queued{};
    queued.hwnd = window;
    queued.message = message;
    queued.wParam = wParam;
    if (message == WM_KEYDOWN) queued.lParam = 1;  // one press, no repeat
    DispatchMessageA(&queued);
}

void FixPenClock(__time64_t seconds) {
    fixedClockSeconds = seconds;
    penClock = FixedClock;
}
