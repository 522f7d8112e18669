// The set-up that render and animate share: the window's size, the map, the
// key presses before the first frame and the clock of the wall colours.
#pragma once

#include <string>
#include <vector>

#include "platform/windows_api.h"

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

// Takes --map, --size, --clock or --keys into setup; false when name is none
// of them (known stays false) or its value is refused (reason may say why).
bool TakeViewSetupOption(const char* name, const char* value, ViewSetup& setup, bool& known,
                         std::string& reason);

// Creates the viewer's window without a display at the set-up's size, with
// its clock, its map and its keys pressed, ready for the first paint.
HWND StartViewer(const ViewSetup& setup);
