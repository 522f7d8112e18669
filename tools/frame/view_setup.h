// The set-up that render and animate share: the window's size, the map, the
// key presses before the first frame and the clock of the wall colours.
#pragma once

#include <string>
#include <vector>

#include "platform/windows_api.h"
#include "tools/frame/option_values.h"

struct ViewSetup {
    int width = 1280;
    int height = 720;
    int mapIndex = 0;  // reached with as many keypad + presses
    std::vector<WPARAM> keys;
    bool clockFixed = false;
    __time64_t clockSeconds = 0;
};

// The help lines of the set-up options, for the commands' help texts.
extern const char kViewSetupHelp[];

// WalkOptions over the set-up's options, which go into setup, and over a
// command's own names, which go to take.
bool WalkViewOptions(int argc, char** argv, const std::vector<const char*>& names, ViewSetup& setup,
                     bool& helpWanted, const TakeOptionValue& take, std::string& error);

// Creates the viewer's window without a display at the set-up's size, with
// its clock, its map and its keys pressed, ready for the first paint.
HWND StartViewer(const ViewSetup& setup);
