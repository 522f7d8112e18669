// The options of vellumtarn-frame render.
#pragma once

#include <string>

#include "tools/frame/view_setup.h"

struct RenderOptions {
    ViewSetup setup;
    const char* outPath = nullptr;
    const char* tracePath = nullptr;
    const char* svgPath = nullptr;
    long long repaints = 0;  // paints of the frame before the one written
    bool helpWanted = false;
};

// The usage text that --help prints.
void PrintRenderHelp(FILE* out);

// Reads the arguments after "render" into options; false, with the reason
// in error, on an unknown or malformed argument or a missing --out.
bool ParseRenderOptions(int argc, char** argv, RenderOptions& options, std::string& error);
