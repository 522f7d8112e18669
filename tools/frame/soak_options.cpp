#include "tools/frame/soak_options.h"

#include <cstring>

#include "tools/frame/option_values.h"

const char kSoakHelp[] =
    "usage: vellumtarn-frame soak [--ticks N] [--size WxH] [--seed S] [--wad PATH]\n"
    "\n"
    "Runs the viewer's window procedure without a display for N rounds (default\n"
    "100000) of one random key press from the whole key table, one timer tick\n"
    "and one paint, then prints the live GDI objects, the heap in use and the\n"
    "resident memory at the end against their values after the first 1000\n"
    "rounds. It judges nothing: flat figures are what a sound viewer shows.\n"
    "\n"
    "  --ticks N    rounds to run, at least 1 (default 100000)\n"
    "  --size WxH   client size in pixels (default 320x200)\n"
    "  --seed S     seed of the key presses, 0 to 4294967295 (default 1); the\n"
    "               wall colours' clock is held at S seconds too\n"
    "  --wad PATH   the WAD file (default DOOM1.WAD in the current folder)\n"
    "\n"
    "example: vellumtarn-frame soak --ticks 100000 --wad /usr/share/games/doom/freedoom1.wad\n";

bool ParseSoakOptions(int argc, char** argv, SoakOptions& options, std::string& error) {
    const auto take = [&](const char* name, const char* value, std::string&) {
        long long number = 0;
        if (strcmp(name, "--size") == 0) return ParseSize(value, options.width, options.height);
        if (strcmp(name, "--ticks") == 0) {
            if (!ParseWhole(value, 1, 1000000000, number)) return false;
            options.ticks = static_cast<long>(number);
            return true;
        }
        if (!ParseWhole(value, 0, UINT32_MAX, number)) return false;
        options.seed = static_cast<uint32_t>(number);
        return true;
    };
    return WalkOptions(argc, argv, {"--ticks", "--size", "--seed"}, options.helpWanted, take,
                       error);
}
