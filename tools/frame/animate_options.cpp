#include "tools/frame/animate_options.h"

#include <cstdio>
#include <cstring>

#include "tools/frame/key_script.h"
#include "tools/frame/option_values.h"

const char kAnimateHelp[] =
    "usage: vellumtarn-frame animate --out FILE.webp (--sweep depth|draw | --steps KEYS)\n"
    "                                [OPTIONS]\n"
    "\n"
    "Sets the viewer up as render does (map, size, keys, clock), then paints one\n"
    "frame per step through the same window procedure and writes them as a\n"
    "lossless animated WebP file:\n"
    "  --sweep depth    MaxDepth from 0 to one past the tree's depth: the partition\n"
    "                   lines level by level, the deepest subsectors last\n"
    "  --sweep draw     MaxDraw from 0 to the number of subsectors the walk reaches:\n"
    "                   the subsectors in the order the walk draws them\n"
    "  --steps \"KEYS\"   one frame after each key press, named as for --keys\n"
    "  --delay MS       how long each frame shows, 1 to 60000 (default 100)\n"
    "  --out FILE.webp  the animation to write (required)\n"
    "  --wad, --map, --size, --keys, --clock as for render\n"
    "\n"
    "Example: the partition lines of Freedoom's E1M1 appearing level by level:\n"
    "  vellumtarn-frame animate --wad /usr/share/games/doom/freedoom1.wad \\\n"
    "      --keys \"PageUp*3\" --clock 0 --sweep depth --out e1m1-depth.webp\n"
    "\n"
    "A progress bar goes to standard error when it is a terminal, a count of\n"
    "the frames otherwise. Exits with 1 when a file cannot be read or written,\n"
    "and with 2 on a bad argument.\n";

namespace {

bool ParseDelay(const char* text, int& delayMs) {
    char rest = '\0';
    return sscanf(text, "%d%c", &delayMs, &rest) == 1 && delayMs >= 1 && delayMs <= 60000;
}

}  // namespace

bool ParseAnimateOptions(int argc, char** argv, AnimateOptions& options, std::string& error) {
    bool stepsGiven = false;
    const auto take = [&](const char* name, const char* value, std::string& reason) {
        if (strcmp(name, "--out") == 0) {
            options.outPath = value;
        } else if (strcmp(name, "--delay") == 0) {
            return ParseDelay(value, options.delayMs);
        } else if (strcmp(name, "--sweep") == 0) {
            options.sweep = strcmp(value, "depth") == 0  ? Sweep::kDepth
                            : strcmp(value, "draw") == 0 ? Sweep::kDraw
                                                         : Sweep::kNone;
            return options.sweep != Sweep::kNone;
        } else {
            stepsGiven = true;
            if (ParseKeyScript(value, options.steps, reason)) return true;
            reason = "--steps: " + reason;
            return false;
        }
        return true;
    };
    if (!WalkViewOptions(argc, argv, {"--out", "--sweep", "--steps", "--delay"}, options.setup,
                         options.helpWanted, take, error)) {
        return false;
    }
    if (options.helpWanted) return true;
    if (options.outPath == nullptr) {
        error = "--out FILE.webp is required";
    } else if ((options.sweep != Sweep::kNone) == stepsGiven) {
        error = "give either --sweep depth|draw or --steps KEYS";
    }
    return error.empty();
}
