#include <cstdio>
#include <string>

#include "platform/drawing_trace.h"
#include "platform/window/headless.h"
#include "tools/frame/commands.h"
#include "tools/frame/png_file.h"
#include "tools/frame/render_options.h"
#include "tools/frame/viewer_driver.h"

namespace {

// The timer's tick brings fresh pens and invalidates; the paint follows.
bool TickAndPaint(HWND window, const char* tracePath) {
    SendToWindow(window, WM_TIMER, 1);
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
    if (options.clockFixed) FixPenClock(options.clockSeconds);

    UseHeadlessWindows(options.width, options.height);
    HWND window = CreateViewerWindow();
    for (int i = 0; i < options.mapIndex; ++i) SendToWindow(window, WM_KEYDOWN, VK_ADD);
    for (WPARAM key : options.keys) SendToWindow(window, WM_KEYDOWN, key);
    const bool written =
        TickAndPaint(window, options.tracePath) && WriteWindowPicture(window, options.outPath);
    // Closed as a user closes it, so that the window gives back what it holds.
    SendToWindow(window, WM_CLOSE, 0);
    return written ? 0 : 1;
}
