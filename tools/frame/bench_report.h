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

// Each paint's time is kept in the walk's order as well: the same frame's
// times from several runs tell the frame's own cost from the machine's
// noise (tools/frame/bench-combine).
struct BenchRow {
    const char* map;
    const char* mode;
    TimeFigures paints;
    std::vector<double> paintMs;
    double loadMs;
};

struct BenchReport {
    const char* wad;
    int width;
    int height;
    int frames;
    int loads;
    TimeFigures floor;  // the paint path drawing nothing
    std::vector<double> floorPaintMs;
    std::vector<BenchRow> rows;
    long peakResidentKiB;
};

void PrintBenchTable(const BenchReport& report, FILE* out);

// False, with the reason on standard error, when the file cannot be written.
bool WriteBenchJson(const BenchReport& report, const char* path);
