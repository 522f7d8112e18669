#include "tools/frame/render_options.h"

#include <cstdio>
#include <cstring>

#include "tools/frame/option_values.h"

void PrintRenderHelp(FILE* out) {
    fputs(
        "usage: vellumtarn-frame render --out FILE.png [OPTIONS]\n"
        "\n"
        "Renders, without a display, the frame the Vellumtarn window would show:\n"
        "the window is created at the given client size, the map is reached with\n"
        "keypad + presses, the keys are pressed in order, one timer tick passes and\n"
        "the window paints once. Its pixels are written as a PNG file.\n"
        "\n"
        "  --out FILE.png   the picture to write (required)\n",
        out);
    fputs(kViewSetupHelp, out);
    fputs(
        "  --trace FILE     also write the drawing calls of the frame's paint, one a line\n"
        "  --svg FILE.svg   also write the paint as a vector drawing, built from those\n"
        "                   drawing calls: lines, rectangles and text\n"
        "  --repaints N     paint the frame N times (0 to 1000, default 0) before the\n"
        "                   paint that is written and traced: a profile of a later\n"
        "                   paint leaves out what only a first one pays for\n"
        "\n"
        "Example: Freedoom's E1M1 after a walk into the map, with filled walls:\n"
        "  vellumtarn-frame render --wad /usr/share/games/doom/freedoom1.wad \\\n"
        "      --keys \"Right*12 Up*230 Space\" --clock 0 --out e1m1.png\n"
        "\n"
        "Exits with 1 when the WAD file or the picture cannot be read or written,\n"
        "and with 2 on a bad argument.\n",
        out);
}

bool ParseRenderOptions(int argc, char** argv, RenderOptions& options, std::string& error) {
    const auto take = [&](const char* name, const char* value, std::string&) {
        if (strcmp(name, "--out") == 0) {
            options.outPath = value;
        } else if (strcmp(name, "--trace") == 0) {
            options.tracePath = value;
        } else if (strcmp(name, "--repaints") == 0) {
            return ParseWhole(value, 0, 1000, options.repaints);
        } else {
            options.svgPath = value;
        }
        return true;
    };
    if (!WalkViewOptions(argc, argv, {"--out", "--trace", "--svg", "--repaints"}, options.setup,
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
