// The options of vellumtarn-frame soak.
#pragma once

#include <cstdint>
#include <string>

struct SoakOptions {
    long ticks = 100000;
    int width = 320;
    int height = 200;
    uint32_t seed = 1;
    bool helpWanted = false;
};

extern const char kSoakHelp[];

// Reads the arguments after "soak" into options; false, with the reason in
// error, on an unknown or malformed argument.
bool ParseSoakOptions(int argc, char** argv, SoakOptions& options, std::string& error);
