#include "tools/frame/bench_options.h"

#include <cstring>

#include "tools/frame/option_values.h"

// 600 presses: zoom out one step, so that every map's overview lies on a
// 1920x1080 window, turn a little right and walk 600 units into the map,
// turn about and walk half the way back, turn a full circle on the spot,
// and walk on a little.
const char kBenchWalk[] = "PageUp Right*6 Up*300 Right*31 Up*150 Left*63 Up*49";

void PrintBenchHelp(FILE* out) {
    fprintf(out,
            "usage: vellumtarn-frame bench [OPTIONS]\n"
            "\n"
            "Measures, without a display, what the viewer spends on each map: the\n"
            "median time of LoadLevel over %d loads, and the time of every paint\n"
            "(the frame's bitmap, upload, drawing and copy to the window) along a\n"
            "fixed walk, in four modes:\n"
            "  outline       walls as outlines, the start-up limits (MaxDepth 100,\n"
            "                MaxDraw 250)\n"
            "  fill          the same with filled walls (Space)\n"
            "  outline-all   walls as outlines, MaxDepth 250 and MaxDraw at least the\n"
            "                map's subsector count (F4 pressed as often as that takes)\n"
            "  fill-all      the same with filled walls\n"
            "Each mode starts a new window as the viewer starts, reaches the map with\n"
            "keypad + presses and sets the mode with the keys named; then, for each\n"
            "press of the walk, the key goes to the window procedure, one timer tick\n"
            "passes and the window paints once. The walk, in render --keys names:\n"
            "  %s\n"
            "The wall colours are seeded from a fixed clock (0), so every run draws\n"
            "the same frames. Prints one line per map and mode (median, 99th\n"
            "percentile and worst paint by nearest rank, and the map's load time, all\n"
            "in milliseconds) and the process's peak resident memory. It judges none\n"
            "of the figures.\n"
            "\n"
            "  --wad PATH   the WAD file to read (default: DOOM1.WAD in the current folder)\n"
            "  --map E1Mn   one map only (default: E1M1 to E1M9)\n"
            "  --size WxH   the window's client size in pixels (default: 1920x1080)\n"
            "  --json FILE  also write the figures, and each paint's time, to FILE as JSON\n"
            "\n"
            "Example:\n"
            "  vellumtarn-frame bench --wad /usr/share/games/doom/freedoom1.wad --map E1M1\n"
            "\n"
            "Exits with 1 when the WAD file cannot be read or the JSON file cannot be\n"
            "written, and with 2 on a bad argument.\n",
            kBenchLoads, kBenchWalk);
}

bool ParseBenchOptions(int argc, char** argv, BenchOptions& options, std::string& error) {
    const auto take = [&](const char* name, const char* value, std::string&) {
        if (strcmp(name, "--map") == 0) return ParseMap(value, options.mapIndex);
        if (strcmp(name, "--size") == 0) return ParseSize(value, options.width, options.height);
        options.jsonPath = value;
        return true;
    };
    return WalkOptions(argc, argv, {"--map", "--size", "--json"}, options.helpWanted, take, error);
}
