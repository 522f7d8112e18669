// The figures of vellumtarn-frame bench and how they are written out.
#pragma once

#include <cstdio>
#include <vector>

struct TimeFigures {
    double medianMs;
    double p99Ms;
    double worstMs;
};

// The median, 99th percentile (both by nearest rank) and worst of a run's
// times.
TimeFigures SummariseTimes(std::vector<double> ms);

// Each paint's time, in the walk's order: the same frame's times from
// several runs tell the frame's own cost from the machine's noise
// (tools/frame/bench-combine). The figures are worked out from them.
struct BenchRow {
    const char* map;
    const char* mode;
    std::vector<double> paintMs;
    double loadMs;
};

struct BenchReport {
    const char* wad;
    int width;
    int height;
    int frames;
    int loads;
    std::vector<double> floorPaintMs;  // the paint path drawing nothing
    std::vector<BenchRow> rows;
    long peakResidentKiB;
};

void PrintBenchTable(const BenchReport& report, FILE* out);

// False, with the reason on standard error, when the file cannot be written.
bool WriteBenchJson(const BenchReport& report, const char* path);
