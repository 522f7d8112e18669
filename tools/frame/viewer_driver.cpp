#include "tools/frame/viewer_driver.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

#include "app/viewer_class.h"
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

bool windowCreatedBefore;

// Creation reports a missing map.bmp on standard error every time; a run
// that starts many windows says it for the first one only.
HWND CreateWindowSayingOnce() {
    auto create = [] { return CreateViewerWindowOf(nullptr); };
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
    RegisterViewerClass(nullptr);  // only the first registration takes
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
