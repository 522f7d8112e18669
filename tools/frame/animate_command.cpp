#include <climits>
#include <cstdio>
#include <string>

#include "platform/window/headless.h"
#include "tools/frame/animate_options.h"
#include "tools/frame/commands.h"
#include "tools/frame/node_tree.h"
#include "tools/frame/progress_meter.h"
#include "tools/frame/viewer_driver.h"
#include "tools/frame/webp_animation.h"

namespace {

// The limits are the record's own fields, set between paints as F1 to F4
// would leave them, without the side effects those keys have on
// drawAllNodes; so a frame equals the one render paints after keys that
// reach the same limits.
void SetStep(const AnimateOptions& options, HWND window, int step) {
    if (options.sweep == Sweep::kDepth) {
        levelView.maxDepth = step;
    } else if (options.sweep == Sweep::kDraw) {
        levelView.maxDraw = step;
    } else {
        SendToWindow(window, WM_KEYDOWN, options.steps[size_t(step)]);
    }
}

// The subsectors one paint of the set-up reaches with no limit on drawing.
int SubsectorsReached(HWND window) {
    const int32_t limit = levelView.maxDraw;
    levelView.maxDraw = INT32_MAX;
    TickViewer(window);
    UpdateWindow(window);
    levelView.maxDraw = limit;
    return drawCount;
}

// A depth sweep ends one past the tree's depth, where the subsectors
// beneath the deepest nodes appear.
int StepCount(const AnimateOptions& options, HWND window) {
    switch (options.sweep) {
        case Sweep::kDepth:
            return ReadNodeTree(levelView).depth + 2;
        case Sweep::kDraw:
            return SubsectorsReached(window) + 1;
        case Sweep::kNone:
            break;
    }
    return int(options.steps.size());
}

bool WriteAnimation(const AnimateOptions& options, HWND window) {
    const int steps = StepCount(options, window);
    WebpAnimation animation(options.setup.width, options.setup.height, options.delayMs);
    ProgressMeter progress(steps);
    std::string error;
    for (int step = 0; step < steps; ++step) {
        SetStep(options, window, step);
        TickViewer(window);
        UpdateWindow(window);
        int width = 0;
        int height = 0;
        const uint32_t* pixels = WindowPixels(window, &width, &height);
        if (pixels == nullptr || !animation.Add(pixels, error)) {
            fprintf(stderr, "vellumtarn-frame: frame %d: %s\n", step,
                    pixels == nullptr ? "the window painted no pixels" : error.c_str());
            return false;
        }
        progress.Step();
    }
    if (animation.Write(options.outPath, error)) return true;
    fprintf(stderr, "vellumtarn-frame: %s\n", error.c_str());
    return false;
}

}  // namespace

int RunAnimateCommand(int argc, char** argv) {
    AnimateOptions options;
    std::string error;
    const bool parsed = ParseAnimateOptions(argc, argv, options, error);
    const int opening = OpeningExitCode("animate", parsed, error, options.helpWanted,
                                        [](FILE* out) { fputs(kAnimateHelp, out); });
    if (opening >= 0) return opening;
    HWND window = StartViewer(options.setup);
    const bool written = WriteAnimation(options, window);
    SendToWindow(window, WM_CLOSE, 0);
    return written ? 0 : 1;
}
