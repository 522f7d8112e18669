#include <unistd.h>

#include <cstdio>
#include <string>

#include "platform/drawing_trace.h"
#include "tools/frame/commands.h"
#include "tools/frame/render_options.h"
#include "tools/frame/svg_drawing.h"
#include "tools/frame/viewer_driver.h"

namespace {

// The drawing calls of one paint go to the --trace file, or for --svg alone
// to a file of our own that is removed once the drawing is built from it.
struct PaintTrace {
    std::string path;
    bool ownFile = false;

    ~PaintTrace() {
        if (ownFile) unlink(path.c_str());
    }

    bool Start(const RenderOptions& options) {
        if (options.tracePath != nullptr) {
            path = options.tracePath;
        } else if (options.svgPath != nullptr) {
            char name[] = "/tmp/vellumtarn-trace-XXXXXX";
            const int file = mkstemp(name);
            if (file < 0) return false;
            close(file);
            path = name;
            ownFile = true;
        } else {
            return true;
        }
        return StartDrawingTrace(path.c_str());
    }
};

bool PaintAndWrite(HWND window, const RenderOptions& options) {
    TickViewer(window);
    for (long long i = 0; i < options.repaints; ++i) {
        UpdateWindow(window);
        InvalidateRect(window, nullptr, TRUE);
    }
    PaintTrace trace;
    if (!trace.Start(options)) {
        fprintf(stderr, "vellumtarn-frame: cannot write %s\n",
                options.tracePath != nullptr ? options.tracePath : "a trace in /tmp");
        return false;
    }
    UpdateWindow(window);
    StopDrawingTrace();
    if (options.svgPath != nullptr &&
        !WriteSvgFromTrace(trace.path.c_str(), options.svgPath, options.setup.width,
                           options.setup.height)) {
        return false;
    }
    return WriteWindowPicture(window, options.outPath);
}

}  // namespace

int RunRenderCommand(int argc, char** argv) {
    RenderOptions options;
    std::string error;
    const bool parsed = ParseRenderOptions(argc, argv, options, error);
    const int opening =
        OpeningExitCode("render", parsed, error, options.helpWanted, PrintRenderHelp);
    if (opening >= 0) return opening;
    HWND window = StartViewer(options.setup);
    const bool written = PaintAndWrite(window, options);
    // Closed as a user closes it, so that the window gives back what it holds.
    SendToWindow(window, WM_CLOSE, 0);
    return written ? 0 : 1;
}
