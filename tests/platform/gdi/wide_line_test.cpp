// Lines of pens 2 and 3 pixels wide, against the rule a real GDI follows,
// worked out here pixel by pixel: the band is the four-sided polygon whose
// corners are the ends moved across the line by the pen's half widths along
// each axis, rounded to whole pixels; a pixel is lit when its centre lies
// inside, or on a left or top edge; each end adds the pen's tip.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <utility>

#include "tests/platform/gdi/gdi_test_surface.h"

namespace {

struct Point {
    int64_t x, y;
};

// The corners as the reference GDI computes them, in floating point.
void Corners(int x0, int y0, int x1, int y1, int width, Point (&corners)[4]) {
    const double dx = double(x1) - x0, dy = double(y1) - y0, length = std::hypot(dx, dy);
    const double acrossX = width * std::abs(dy) / length, acrossY = width * std::abs(dx) / length;
    Point narrow{std::lround(acrossX / 2), std::lround(acrossY / 2)};
    Point wide{std::lround((acrossX + 1) / 2), std::lround((acrossY + 1) / 2)};
    if (dx < 0) narrow.y = -narrow.y, wide.y = -wide.y;
    if (dy < 0) std::swap(narrow, wide), narrow.x = -narrow.x, wide.x = -wide.x;
    corners[0] = {x0 - narrow.x, y0 + narrow.y};
    corners[1] = {x0 + wide.x, y0 - wide.y};
    corners[2] = {x1 + wide.x, y1 - wide.y};
    corners[3] = {x1 - narrow.x, y1 + narrow.y};
}

// Inside every edge's half plane; on an edge's line only for an edge with
// the inside to its right (greater x) or, if level, below it.
bool InBand(const Point (&corners)[4], int64_t x, int64_t y) {
    __int128 area = 0;
    for (int k = 0; k < 4; ++k) {
        const Point &a = corners[k], &b = corners[(k + 1) % 4];
        area += __int128(a.x) * b.y - __int128(b.x) * a.y;
    }
    if (area == 0) return false;
    for (int k = 0; k < 4; ++k) {
        const Point &a = corners[k], &b = corners[(k + 1) % 4];
        const __int128 ex = b.x - a.x, ey = b.y - a.y;
        const __int128 side = (ex * (y - a.y) - ey * (x - a.x)) * (area > 0 ? 1 : -1);
        if (side < 0) return false;
        const __int128 inwardX = -ey * (area > 0 ? 1 : -1), inwardY = ex * (area > 0 ? 1 : -1);
        if (side == 0 && !(inwardX > 0 || (inwardX == 0 && inwardY > 0))) return false;
    }
    return true;
}

// The tip: the 2x2 square up and left of the end for width 2, the cross of
// five around it for width 3. Level and plumb lines have no polygon;
// their band is the rectangle along them, width / 2 to one side.
bool InLine(int x0, int y0, int x1, int y1, int width, int64_t x, int64_t y) {
    if (x0 == x1 && y0 == y1) return false;  // a point draws nothing
    for (const auto& [ex, ey] : {std::pair{int64_t{x0}, int64_t{y0}}, {x1, y1}}) {
        const int64_t across = x - ex, along = y - ey;
        if (width == 2 ? (across == 0 || across == -1) && (along == 0 || along == -1)
                       : std::abs(across) + std::abs(along) <= 1) {
            return true;
        }
    }
    if (x0 == x1 || y0 == y1) {
        const bool level = y0 == y1;
        const int64_t a = level ? x : y, side = (level ? y - y0 : x - x0) + width / 2;
        return a >= std::min(level ? x0 : y0, level ? x1 : y1) &&
               a < std::max(level ? x0 : y0, level ? x1 : y1) && side >= 0 && side < width;
    }
    Point corners[4];
    Corners(x0, y0, x1, y1, width, corners);
    return InBand(corners, x, y);
}

void ExpectTheRule(int x0, int y0, int x1, int y1, int width, int surfaceWidth = 24) {
    SCOPED_TRACE(testing::Message()
                 << "width " << width << ": " << x0 << "," << y0 << " -> " << x1 << "," << y1);
    TestSurface surface(surfaceWidth, 20);
    Selection pen(surface, CreatePen(PS_SOLID, width, RGB(0, 0, 0)));
    surface.Line(x0, y0, x1, y1);
    PixelSet expected;
    for (int y = 0; y < surface.height; ++y) {
        for (int x = 0; x < surface.width; ++x) {
            if (InLine(x0, y0, x1, y1, width, x, y)) expected.insert({x, y});
        }
    }
    EXPECT_EQ(surface.Changed(), expected);
}

// Both directions of: slopes whose band edges pass through pixel centres,
// level and plumb lines, a point, lines cut by each edge, ends far out (at
// slopes where the reference still rounds exactly), lines just off each
// edge whose tips reach onto it; then ends on the edges
// and just inside them, on a bitmap whose rows are not padded, so that a
// pixel drawn past one side lands on a row. Random lines follow.
TEST(WideLine, LightsThePixelsOfTheBandAndTips) {
    const int kBig = 2000000000;
    // clang-format off
    const int lines[][4] = {
        {3, 4, 19, 12}, {3, 12, 19, 4}, {5, 3, 9, 19}, {4, 4, 16, 16}, {2, 2, 20, 14},
        {2, 15, 14, 6}, {6, 10, 18, 10}, {12, 2, 12, 17}, {9, 9, 9, 9}, {-5, 3, 30, 15},
        {4, -6, 15, 26}, {-kBig, 7, kBig, 7}, {-kBig, 9 - kBig / 2, kBig, 9 + kBig / 2},
        {12 - kBig / 4, -kBig, 12 + kBig / 4, kBig}, {5, -kBig, 5, kBig}, {1, 1, 40, 1},
        {-1, 3, -2, 15}, {25, 4, 24, 17}, {3, -1, 15, -2}, {4, 21, 17, 20}};
    const int edgeLines[][4] = {{0, 5, 9, 19}, {15, 9, 3, 2}, {8, 0, 3, 12},
                                {8, 19, 2, 7}, {1, 1, 14, 18}, {0, 0, 15, 19}};
    // clang-format on
    for (int width : {2, 3}) {
        for (const auto& l : lines) {
            ExpectTheRule(l[0], l[1], l[2], l[3], width);
            ExpectTheRule(l[2], l[3], l[0], l[1], width);
        }
        for (const auto& l : edgeLines) {
            ExpectTheRule(l[0], l[1], l[2], l[3], width, 16);
            ExpectTheRule(l[2], l[3], l[0], l[1], width, 16);
        }
    }
}

TEST(WideLine, RandomLinesAcrossTheEdgesFollowTheRule) {
    std::mt19937 random(6);
    std::uniform_int_distribution<int> c(-30, 54);
    for (int i = 0; i < 300; ++i)
        ExpectTheRule(c(random), c(random), c(random), c(random), 2 + i % 2);
}

}  // namespace
