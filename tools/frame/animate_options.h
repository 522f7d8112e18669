// The options of vellumtarn-frame animate.
#pragma once

#include <string>
#include <vector>

#include "tools/frame/view_setup.h"

enum class Sweep { kNone, kDepth, kDraw };

struct AnimateOptions {
    ViewSetup setup;
    Sweep sweep = Sweep::kNone;
    std::vector<WPARAM> steps;  // one frame after each, when there is no sweep
    int delayMs = 100;
    const char* outPath = nullptr;
    bool helpWanted = false;
};

extern const char kAnimateHelp[];

// Reads the arguments after "animate"; false, with the reason in error, on
// an unknown or malformed argument, a missing --out, or not exactly one of
// --sweep and --steps.
bool ParseAnimateOptions(int argc, char** argv, AnimateOptions& options, std::string& error);
