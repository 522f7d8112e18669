// The random lines and the pens that gdi-bench times, shared with the race
// against a real GDI (tools/gdi-compare/), which builds with MinGW as well:
// the standard library's engine and distribution only, so that both builds
// draw the very same lines.
#pragma once

#include <algorithm>
#include <cstdlib>
#include <random>
#include <vector>

#include "platform/windows_api.h"

struct BenchLine {
    int x0, y0, x1, y1;
};

// Lines with both ends anywhere in a width by height frame, the same every run.
inline std::vector<BenchLine> RandomLines(int count, int width, int height) {
    std::mt19937 random(13);
    std::uniform_int_distribution<int> x(0, width - 1);
    std::uniform_int_distribution<int> y(0, height - 1);
    std::vector<BenchLine> lines;
    for (int i = 0; i < count; ++i) lines.push_back({x(random), y(random), x(random), y(random)});
    return lines;
}

// One pixel a step along the major axis, the end left out.
inline double CosmeticPixels(const std::vector<BenchLine>& lines) {
    double pixels = 0;
    for (const BenchLine& l : lines) {
        pixels += std::max(std::abs(l.x1 - l.x0), std::abs(l.y1 - l.y0));
    }
    return pixels;
}

// Each line from its first end to its second, with the selected pen.
inline void DrawLines(HDC dc, const std::vector<BenchLine>& lines) {
    for (const BenchLine& line : lines) {
        MoveToEx(dc, line.x0, line.y0, NULL);
        LineTo(dc, line.x1, line.y1);
    }
}

// Each kind of pen the viewer draws lines with.
struct BenchPen {
    const char* name;
    int style;
    int width;
};

constexpr BenchPen kBenchPens[] = {{"width 0", PS_SOLID, 0},
                                   {"width 2", PS_SOLID, 2},
                                   {"width 3", PS_SOLID, 3},
                                   {"dotted", PS_DOT, 1}};
