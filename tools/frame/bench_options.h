// The options of vellumtarn-frame bench and the walk its frames follow.
#pragma once

#include <cstdio>
#include <string>

// The key presses of the walk, in the names of render --keys: one press
// before each frame, so the walk is as many frames long as it has presses.
extern const char kBenchWalk[];

// LoadLevel runs this many times per map; the median is reported.
constexpr int kBenchLoads = 20;

struct BenchOptions {
    int width = 1920;
    int height = 1080;
    int mapIndex = -1;  // every map when negative
    const char* jsonPath = nullptr;
    bool helpWanted = false;
};

void PrintBenchHelp(FILE* out);

// Reads the arguments after "bench" into options; false, with the reason in
// error, on an unknown or malformed argument.
bool ParseBenchOptions(int argc, char** argv, BenchOptions& options, std::string& error);
