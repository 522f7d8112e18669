#include <cstdio>
#include <string>

#include "app/window_procedure.h"
#include "platform/drawing_trace.h"
#include "platform/window/headless.h"
#include "render/pen_palette.h"
#include "tools/frame/commands.h"
#include "tools/frame/png_file.h"
#include "tools/frame/render_options.h"

namespace {

__time64_t fixedClockSeconds;

__time64_t FixedClock(__time64_t* result) {
    if (result != nullptr) *result = fixedClockSeconds;
    return fixedClockSeconds;
}

// The viewer's window, registered and created with the values the process
// entry uses; creation loads the level and sizes the client area.
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

void Send(HWND window, UINT message, WPARAM wParam) {
    MSG queued{};
    queued.hwnd = window;
    queued.message = message;
    queued.wParam = wParam;
    if (message == WM_KEYDOWN) queued.lParam = 1;  // one press, no repeat
    DispatchMessageA(&queued);
}

// The timer's tick brings fresh pens and invalidates; the paint follows.
bool TickAndPaint(HWND window, const char* tracePath) {
    Send(window, WM_TIMER, 1);
    InvalidateRect(window, nullptr, TRUE);
    if (tracePath != nullptr && !StartDrawingTrace(tracePath)) {
        fprintf(stderr, "vellumtarn-frame: cannot write %s\n", tracePath);
        return false;
    }
    UpdateWindow(window);
    StopDrawingTrace();
    return true;
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

}  // namespace

int RunRenderCommand(int argc, char** argv) {
    RenderOptions options;
    std::string error;
    if (!ParseRenderOptions(argc, argv, options, error)) {
        fprintf(stderr, "vellumtarn-frame render: %s\n\n%s", error.c_str(), kRenderHelp);
        return 2;
    }
    if (options.helpWanted) {
        fputs(kRenderHelp, stdout);
        return 0;
    }
    if (!CheckWadFile()) return 1;
    if (options.clockFixed) {
        fixedClockSeconds = options.clockSeconds;
        penClock = FixedClock;
    }

    UseHeadlessWindows(options.width, options.height);
    HWND window = CreateViewerWindow();
    for (int i = 0; i < options.mapIndex; ++i) Send(window, WM_KEYDOWN, VK_ADD);
    for (WPARAM key : options.keys) Send(window, WM_KEYDOWN, key);
    const bool written =
        TickAndPaint(window, options.tracePath) && WriteWindowPicture(window, options.outPath);
    // Closed as a user closes it, so that the window gives back what it holds.
    Send(window, WM_CLOSE, 0);
    return written ? 0 : 1;
}
