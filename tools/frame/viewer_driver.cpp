#include "tools/frame/viewer_driver.h"

#include <cstdio>

#include "app/window_procedure.h"
#include "platform/window/headless.h"
#include "render/pen_palette.h"
#include "tools/frame/png_file.h"
#include "wad/level_view.h"

namespace {

__time64_t fixedClockSeconds;

__time64_t FixedClock(__time64_t* result) {
    if (result != nullptr) *result = fixedClockSeconds;
    return fixedClockSeconds;
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
    HWND window = CreateWindowExA(0, "Vellumtarn", "Vellumtarn", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                                  nullptr, nullptr);
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

void TickViewer(HWND window) {
    SendToWindow(window, WM_TIMER, 1);
    InvalidateRect(window, nullptr, TRUE);
}

bool WriteWindowPicture(HWND window, const char* path) {
    int width = 0;
    int height = 0;
    const uint32_t* pixels = WindowPixels(window, &width, &height);
    if (pixels == nullptr) {
        fprintf(stderr, "vellumtarn-frame: the window painted no pixels\n");
        return false;
    }
    return WritePngFile(path, pixels, width, height);
}
