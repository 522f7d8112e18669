#include <algorithm>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "platform/window/headless.h"
#include "tools/frame/commands.h"
#include "tools/frame/key_script.h"
#include "tools/frame/process_figures.h"
#include "tools/frame/soak_options.h"
#include "tools/frame/viewer_driver.h"

namespace {

// Figures taken this early include everything the viewer allocates once
// (the level, the store, the pens, the font); growth after it is a leak.
constexpr long kSettledTicks = 1000;

// Every key of the table with the same chance. F2 and F4 raise their limits
// by one a press and F1 and F3 lower them as often, so the limits wander
// around their start-up values instead of running away.
std::vector<WPARAM> KeyTable() {
    std::vector<WPARAM> keys;
    std::string error;
    ParseKeyScript(kKeyNames, keys, error);
    return keys;
}

void PrintFigure(const char* name, uint64_t settled, uint64_t end) {
    printf("%-20s %14llu %14llu %+14lld\n", name, static_cast<unsigned long long>(settled),
           static_cast<unsigned long long>(end), static_cast<long long>(end - settled));
}

void PrintFigures(long settledTick, long ticks, const ProcessFigures& settled,
                  const ProcessFigures& end) {
    const std::string settledColumn = "after " + std::to_string(settledTick);
    printf("%-20s %14s %14s %14s\n", "", settledColumn.c_str(), "at the end", "change");
    PrintFigure("GDI objects", settled.gdiObjects, end.gdiObjects);
    PrintFigure("heap in use (bytes)", settled.heapInUse, end.heapInUse);
    PrintFigure("resident (bytes)", settled.residentBytes, end.residentBytes);
    printf("%ld ticks\n", ticks);
}

}  // namespace

int RunSoakCommand(int argc, char** argv) {
    SoakOptions options;
    std::string error;
    const bool parsed = ParseSoakOptions(argc, argv, options, error);
    const int opening = OpeningExitCode("soak", parsed, error, options.helpWanted,
                                        [](FILE* out) { fputs(kSoakHelp, out); });
    if (opening >= 0) return opening;
    FixPenClock(options.seed);

    UseHeadlessWindows(options.width, options.height);
    HWND window = CreateViewerWindow();
    const std::vector<WPARAM> keys = KeyTable();
    std::mt19937 random(options.seed);
    std::uniform_int_distribution<size_t> pickKey(0, keys.size() - 1);
    const long settledTick = std::min(options.ticks, kSettledTicks);
    ProcessFigures settled{};
    for (long tick = 1; tick <= options.ticks; ++tick) {
        SendToWindow(window, WM_KEYDOWN, keys[pickKey(random)]);
        SendToWindow(window, WM_TIMER, 1);
        InvalidateRect(window, nullptr, TRUE);
        UpdateWindow(window);
        if (tick == settledTick) settled = TakeProcessFigures();
    }
    PrintFigures(settledTick, options.ticks, settled, TakeProcessFigures());
    // Closed as a user ends the viewer, so that the window's paint surface
    // goes with it rather than being dropped when the process ends.
    SendToWindow(window, WM_CLOSE, 0);
    return 0;
}
