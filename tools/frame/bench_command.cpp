#include <sys/resource.h>
#include <time.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "platform/window/headless.h"
#include "tools/frame/bench_floor.h"
#include "tools/frame/bench_options.h"
#include "tools/frame/bench_report.h"
#include "tools/frame/commands.h"
#include "tools/frame/key_script.h"
#include "tools/frame/viewer_driver.h"
#include "wad/level_view.h"
#include "wad/wad_archive.h"

namespace {

// Processor time of this thread: on a busy machine the time the thread
// waits for a processor would swamp the time it works. A host without that
// clock (Emscripten's) gives wall time instead.
double ThreadMilliseconds() {
    timespec now{};
    if (clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now) != 0) clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

struct BenchMode {
    const char* name;
    bool filled;
    bool wholeTree;  // MaxDepth 250 and every subsector drawn
};

constexpr BenchMode kModes[] = {
    {"outline", false, false},
    {"fill", true, false},
    {"outline-all", false, true},
    {"fill-all", true, true},
};

double MedianLoadMs(int map) {
    mapIndex = map;
    std::vector<double> loads;
    for (int i = 0; i < kBenchLoads; ++i) {
        const double start = ThreadMilliseconds();
        LoadLevel(&levelView);
        loads.push_back(ThreadMilliseconds() - start);
    }
    return SummariseTimes(loads).medianMs;
}

// A window as the viewer starts it, on the map and in the mode asked for.
// Creation leaves the facing angle, the map index and both toggles as it
// finds them, so they get their start values first.
HWND StartWindow(int map, const BenchMode& mode) {
    mapIndex = 0;
    playerAngle = 0.0f;
    fillWalls = false;
    zoomedProjection = false;
    HWND window = CreateViewerWindow();
    for (int i = 0; i < map; ++i) SendToWindow(window, WM_KEYDOWN, VK_ADD);
    if (mode.filled) SendToWindow(window, WM_KEYDOWN, VK_SPACE);
    if (mode.wholeTree) {
        // Each F4 sets MaxDepth 250 and draws one subsector more.
        do {
            SendToWindow(window, WM_KEYDOWN, VK_F4);
        } while (levelView.maxDraw < levelView.numSubsectors);
    }
    return window;
}

// The time of each paint along the walk; the key and the timer tick that
// precede a paint are not counted.
std::vector<double> WalkPaints(HWND window, const std::vector<WPARAM>& walk) {
    std::vector<double> paints;
    paints.reserve(walk.size());
    for (WPARAM key : walk) {
        SendToWindow(window, WM_KEYDOWN, key);
        SendToWindow(window, WM_TIMER, 1);
        const double start = ThreadMilliseconds();
        UpdateWindow(window);
        paints.push_back(ThreadMilliseconds() - start);
    }
    return paints;
}

// As many paints of nothing as the walk has steps, each asked for as the
// viewer's timer asks for one.
std::vector<double> FloorPaints(int width, int height, const std::vector<WPARAM>& walk) {
    HWND window = CreateFloorWindow(width, height);
    std::vector<double> paints;
    paints.reserve(walk.size());
    for (size_t i = 0; i < walk.size(); ++i) {
        InvalidateRect(window, nullptr, FALSE);
        const double start = ThreadMilliseconds();
        UpdateWindow(window);
        paints.push_back(ThreadMilliseconds() - start);
    }
    SendToWindow(window, WM_CLOSE, 0);
    return paints;
}

long PeakResidentKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

}  // namespace

int RunBenchCommand(int argc, char** argv) {
    BenchOptions options;
    std::string error;
    const bool parsed = ParseBenchOptions(argc, argv, options, error);
    const int opening = OpeningExitCode("bench", parsed, error, options.helpWanted, PrintBenchHelp);
    if (opening >= 0) return opening;
    std::vector<WPARAM> walk;
    ParseKeyScript(kBenchWalk, walk, error);
    FixPenClock(0);
    UseHeadlessWindows(options.width, options.height);

    BenchReport report{wadPath,
                       options.width,
                       options.height,
                       static_cast<int>(walk.size()),
                       kBenchLoads,
                       FloorPaints(options.width, options.height, walk),
                       {},
                       0};
    const int firstMap = options.mapIndex < 0 ? 0 : options.mapIndex;
    const int lastMap = options.mapIndex < 0 ? kMapCount - 1 : options.mapIndex;
    for (int map = firstMap; map <= lastMap; ++map) {
        const double loadMs = MedianLoadMs(map);
        for (const BenchMode& mode : kModes) {
            HWND window = StartWindow(map, mode);
            std::vector<double> paints = WalkPaints(window, walk);
            CloseViewerWindow(window);
            report.rows.push_back({mapTable[map].name, mode.name, std::move(paints), loadMs});
        }
    }
    report.peakResidentKiB = PeakResidentKiB();
    PrintBenchTable(report, stdout);
    if (options.jsonPath != nullptr && !WriteBenchJson(report, options.jsonPath)) return 1;
    return 0;
}
