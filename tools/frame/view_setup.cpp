#include "tools/frame/view_setup.h"

#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <iterator>

#include "platform/window/headless.h"
#include "tools/frame/key_script.h"
#include "tools/frame/option_values.h"
#include "tools/frame/viewer_driver.h"

const char kViewSetupHelp[] =
    "  --wad PATH       the WAD file to read (default: DOOM1.WAD in the current folder)\n"
    "  --map E1Mn       the map, E1M1 to E1M9 (default: E1M1)\n"
    "  --size WxH       the window's client size in pixels (default: 1280x720)\n"
    "  --keys \"...\"     key presses after the map is shown, separated by blanks;\n"
    "                   NAME*COUNT presses a key COUNT times. Names:\n"
    "                   Up Down Left Right PageUp PageDown Space Ctrl Esc\n"
    "                   F1 F2 F3 F4 KP+ KP- Home\n"
    "  --clock SECONDS  the clock the random pens are seeded from, so that two\n"
    "                   runs give the same picture (default: the current time)\n";

namespace {

const char* const kSetupNames[] = {"--map", "--size", "--clock", "--keys"};

bool ParseClock(const char* text, __time64_t& seconds) {
    int64_t value = 0;
    char rest = '\0';
    if (sscanf(text, "%" SCNd64 "%c", &value, &rest) != 1 || value < 0) return false;
    seconds = value;
    return true;
}

bool TakeSetupOption(const char* name, const char* value, ViewSetup& setup, std::string& reason) {
    if (strcmp(name, "--map") == 0) return ParseMap(value, setup.mapIndex);
    if (strcmp(name, "--size") == 0) return ParseSize(value, setup.width, setup.height);
    if (strcmp(name, "--clock") == 0) {
        return setup.clockFixed = ParseClock(value, setup.clockSeconds);
    }
    if (ParseKeyScript(value, setup.keys, reason)) return true;
    reason = "--keys: " + reason;
    return false;
}

}  // namespace

bool WalkViewOptions(int argc, char** argv, const std::vector<const char*>& names, ViewSetup& setup,
                     bool& helpWanted, const TakeOptionValue& take, std::string& error) {
    std::vector<const char*> all(std::begin(kSetupNames), std::end(kSetupNames));
    all.insert(all.end(), names.begin(), names.end());
    const auto takeAny = [&](const char* name, const char* value, std::string& reason) {
        for (const char* setupName : kSetupNames) {
            if (strcmp(name, setupName) == 0) return TakeSetupOption(name, value, setup, reason);
        }
        return take(name, value, reason);
    };
    return WalkOptions(argc, argv, all, helpWanted, takeAny, error);
}

HWND StartViewer(const ViewSetup& setup) {
    if (setup.clockFixed) FixPenClock(setup.clockSeconds);
    UseHeadlessWindows(setup.width, setup.height);
    HWND window = CreateViewerWindow();
    for (int i = 0; i < setup.mapIndex; ++i) SendToWindow(window, WM_KEYDOWN, VK_ADD);
    for (WPARAM key : setup.keys) SendToWindow(window, WM_KEYDOWN, key);
    return window;
}
