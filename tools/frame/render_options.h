// The options of vellumtarn-frame render.
#pragma once

#include <string>
#include <vector>

#include "platform/windows_api.h"

struct RenderOptions {
    int width = 1280;
    int height = 720;
    int mapIndex = 0;  // reached with as many keypad + presses
    std::vector<WPARAM> keys;
    bool clockFixed = false;
    __time64_t clockSeconds = 0;
    const char* outPath = nullptr;
    const char* tracePath = nullptr;
    bool helpWanted = false;
};

extern const char kRenderHelp[];

// Reads the arguments after "render" into options; false, with the reason
// in error, on an unknown or malformed argument or a missing --out.
bool ParseRenderOptions(int argc, char** argv, RenderOptions& options, std::string& error);
