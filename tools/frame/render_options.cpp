#include "tools/frame/render_options.h"

#include <cinttypes>
#include <cstdio>
#include <cstring>

#include "tools/frame/key_script.h"
#include "tools/frame/option_values.h"

const char kRenderHelp[] =
    "usage: vellumtarn-frame render --out FILE.png [OPTIONS]\n"
    "\n"
    "Renders, without a display, the frame the Vellumtarn window would show:\n"
    "the window is created at the given client size, the map is reached with\n"
    "keypad + presses, the keys are pressed in order, one timer tick passes and\n"
    "the window paints once. Its pixels are written as a PNG file.\n"
    "\n"
    "  --out FILE.png   the picture to write (required)\n"
    "  --wad PATH       the WAD file to read (default: DOOM1.WAD in the current folder)\n"
    "  --map E1Mn       the map, E1M1 to E1M9 (default: E1M1)\n"
    "  --size WxH       the window's client size in pixels (default: 1280x720)\n"
    "  --keys \"...\"     key presses after the map is shown, separated by blanks;\n"
    "                   NAME*COUNT presses a key COUNT times. Names:\n"
    "                   Up Down Left Right PageUp PageDown Space Ctrl Esc\n"
    "                   F1 F2 F3 F4 KP+ KP- Home\n"
    "  --clock SECONDS  the clock the random pens are seeded from, so that two\n"
    "                   renders give the same picture (default: the current time)\n"
    "  --trace FILE     also write the drawing calls of the frame's paint, one a line\n"
    "\n"
    "Example: Freedoom's E1M1 after a walk into the map, with filled walls:\n"
    "  vellumtarn-frame render --wad /usr/share/games/doom/freedoom1.wad \\\n"
    "      --keys \"Right*12 Up*230 Space\" --clock 0 --out e1m1.png\n"
    "\n"
    "Exits with 1 when the WAD file or the picture cannot be read or written,\n"
    "and with 2 on a bad argument.\n";

namespace {

bool ParseClock(const char* text, __time64_t& seconds) {
    int64_t value = 0;
    char rest = '\0';
    if (sscanf(text, "%" SCNd64 "%c", &value, &rest) != 1 || value < 0) return false;
    seconds = value;
    return true;
}

}  // namespace

bool ParseRenderOptions(int argc, char** argv, RenderOptions& options, std::string& error) {
    const auto take = [&](const char* name, const char* value, std::string& reason) {
        if (strcmp(name, "--out") == 0) {
            options.outPath = value;
        } else if (strcmp(name, "--trace") == 0) {
            options.tracePath = value;
        } else if (strcmp(name, "--map") == 0) {
            return ParseMap(value, options.mapIndex);
        } else if (strcmp(name, "--size") == 0) {
            return ParseSize(value, options.width, options.height);
        } else if (strcmp(name, "--clock") == 0) {
            return options.clockFixed = ParseClock(value, options.clockSeconds);
        } else if (!ParseKeyScript(value, options.keys, reason)) {
            reason = "--keys: " + reason;
            return false;
        }
        return true;
    };
    if (!WalkOptions(argc, argv, {"--out", "--map", "--size", "--keys", "--clock", "--trace"},
                     options.helpWanted, take, error)) {
        return false;
    }
    if (options.helpWanted) return true;
    if (options.outPath == nullptr) {
        error = "--out FILE.png is required";
        return false;
    }
    return true;
}
