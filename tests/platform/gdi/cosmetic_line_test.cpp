// One-pixel lines: which pixels they light, in any direction, however far
// their ends lie off the bitmap.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "tests/platform/gdi/gdi_test_surface.h"

namespace {

// The pixel nearest num / den on the minor axis, the smaller one on a tie.
int64_t NearestPixel(__int128 num, __int128 den) {
    if (den < 0) num = -num, den = -den;
    __int128 floor = num / den;
    if (num % den != 0 && num < 0) --floor;
    const __int128 rest = num - floor * den;
    return int64_t(2 * rest > den ? floor + 1 : floor);
}

// The visible pixels of a line by the diamond rule, column by column (row by
// row when steep), from the start included to the end left out.
PixelSet ReferenceLine(int64_t x0, int64_t y0, int64_t x1, int64_t y1, int width, int height) {
    PixelSet pixels;
    const int64_t dx = x1 - x0, dy = y1 - y0;
    if (dx == 0 && dy == 0) return pixels;
    const bool xMajor = std::llabs(dx) >= std::llabs(dy);
    const int64_t a0 = xMajor ? x0 : y0, a1 = xMajor ? x1 : y1;
    const int64_t b0 = xMajor ? y0 : x0;
    const int64_t da = xMajor ? dx : dy, db = xMajor ? dy : dx;
    const int64_t size = xMajor ? width : height;
    const int64_t low = std::max<int64_t>(0, da > 0 ? a0 : a1 + 1);
    const int64_t high = std::min<int64_t>(size - 1, da > 0 ? a1 - 1 : a0);
    for (int64_t a = low; a <= high; ++a) {
        const int64_t b = NearestPixel(__int128(b0) * da + __int128(a - a0) * db, da);
        const int64_t x = xMajor ? a : b, y = xMajor ? b : a;
        if (x >= 0 && x < width && y >= 0 && y < height) pixels.insert({int(x), int(y)});
    }
    return pixels;
}

struct Segment {
    int x0, y0, x1, y1;
};

std::vector<Segment> RandomSegments(int count, int low, int high, unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> coordinate(low, high);
    std::vector<Segment> segments;
    for (int i = 0; i < count; ++i) {
        segments.push_back(
            {coordinate(random), coordinate(random), coordinate(random), coordinate(random)});
    }
    return segments;
}

PixelSet Drawn(const Segment& s, int width, int height) {
    TestSurface surface(width, height);
    surface.Line(s.x0, s.y0, s.x1, s.y1);
    return surface.Changed();
}

TEST(CosmeticLine, LightsTheStartAndLeavesOutTheEnd) {
    TestSurface surface(12, 7);
    surface.Line(2, 3, 10, 5);
    EXPECT_EQ(surface.At(2, 3), kBlackPixel);
    EXPECT_EQ(surface.At(10, 5), kWhitePixel);
    EXPECT_EQ(surface.Changed().size(), 8u);

    TestSurface point(4, 4);
    point.Line(1, 1, 1, 1);
    EXPECT_TRUE(point.Changed().empty());
}

std::string Picture(int width, int height, const Segment& s) {
    TestSurface surface(width, height);
    surface.Line(s.x0, s.y0, s.x1, s.y1);
    return surface.Picture();
}

TEST(CosmeticLine, HalfwayGoesToTheLeftOrUpperPixelWhicheverTheDirection) {
    EXPECT_EQ(Picture(5, 3, {0, 0, 4, 2}),
              "##...\n"
              "..##.\n"
              ".....\n");
    EXPECT_EQ(Picture(5, 3, {4, 2, 0, 0}),
              ".#...\n"
              "..##.\n"
              "....#\n");
    EXPECT_EQ(Picture(5, 3, {0, 2, 4, 0}),
              "...#.\n"
              ".##..\n"
              "#....\n");
    EXPECT_EQ(Picture(3, 5, {0, 0, 2, 4}),
              "#..\n"
              "#..\n"
              ".#.\n"
              ".#.\n"
              "...\n");
    EXPECT_EQ(Picture(3, 5, {2, 4, 0, 0}),
              "...\n"
              "#..\n"
              ".#.\n"
              ".#.\n"
              "..#\n");
}

TEST(CosmeticLine, OnePixelPerStepWithNoGapsAndTheNearestPixelEach) {
    for (const Segment& s : RandomSegments(300, 0, 47, 1)) {
        const PixelSet drawn = Drawn(s, 48, 48);
        EXPECT_EQ(drawn, ReferenceLine(s.x0, s.y0, s.x1, s.y1, 48, 48))
            << s.x0 << "," << s.y0 << " -> " << s.x1 << "," << s.y1;
        EXPECT_EQ(drawn.size(), size_t(std::max(std::abs(s.x1 - s.x0), std::abs(s.y1 - s.y0))));
    }
}

TEST(CosmeticLine, EitherDirectionLightsTheSamePixelsApartFromTheEnds) {
    for (const Segment& s : RandomSegments(300, 0, 39, 2)) {
        PixelSet forward = Drawn(s, 40, 40);
        PixelSet backward = Drawn({s.x1, s.y1, s.x0, s.y0}, 40, 40);
        forward.erase({s.x0, s.y0});
        backward.erase({s.x1, s.y1});
        EXPECT_EQ(forward, backward) << s.x0 << "," << s.y0 << " -> " << s.x1 << "," << s.y1;
    }
}

TEST(CosmeticLine, ClippedLightsWhatTheWholeLineLightsInside) {
    for (const Segment& s : RandomSegments(200, -150, 210, 3)) {
        TestSurface whole(500, 500);
        whole.Line(s.x0 + 200, s.y0 + 200, s.x1 + 200, s.y1 + 200);
        EXPECT_EQ(Drawn(s, 64, 48), whole.ChangedIn(200, 200, 64, 48))
            << s.x0 << "," << s.y0 << " -> " << s.x1 << "," << s.y1;
    }
}

TEST(CosmeticLine, EndsABillionPixelsAwayStayExact) {
    std::vector<Segment> segments = RandomSegments(200, -1000000000, 1000000000, 4);
    segments.push_back({-1000000000, 5, 1000000000, 5});
    segments.push_back({-1000000000, -999999999, 1000000000, 1000000001});
    segments.push_back({7, 2000000000, 9, -2000000000});
    segments.push_back({INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX - 3});
    for (const Segment& s : segments) {
        // And one through the bitmap: its middle is (30, 20).
        const Segment aimed{s.x0 / 2, s.y0 / 2, 60 - s.x0 / 2, 40 - s.y0 / 2};
        for (const Segment& line : {s, aimed}) {
            EXPECT_EQ(Drawn(line, 64, 48),
                      ReferenceLine(line.x0, line.y0, line.x1, line.y1, 64, 48))
                << line.x0 << "," << line.y0 << " -> " << line.x1 << "," << line.y1;
        }
    }
    TestSurface surface(16, 8);
    surface.Line(-1000000000, 5, 1000000000, 5);
    EXPECT_EQ(surface.Changed().size(), 16u);
}

TEST(DottedLine, ThreeOnThreeInTheBackgroundColourFromTheUnclippedStart) {
    const uint32_t grey = 0x808080;
    HPEN dotted = CreatePen(PS_DOT, 1, RGB(255, 0, 0));
    TestSurface surface(24, 3, grey);
    HGDIOBJ previous = SelectObject(surface.dc, dotted);
    surface.Line(0, 1, 20, 1);
    for (int x = 0; x < 20; ++x) {
        EXPECT_EQ(surface.At(x, 1), x % 6 < 3 ? 0xFF0000u : kWhitePixel) << x;
    }
    EXPECT_EQ(surface.At(20, 1), grey);

    for (const Segment& s : RandomSegments(100, -150, 210, 5)) {
        TestSurface whole(500, 500, grey), clipped(40, 30, grey);
        SelectObject(whole.dc, dotted);
        SelectObject(clipped.dc, dotted);
        whole.Line(s.x0 + 200, s.y0 + 200, s.x1 + 200, s.y1 + 200);
        clipped.Line(s.x0, s.y0, s.x1, s.y1);
        for (int y = 0; y < 30; ++y) {
            for (int x = 0; x < 40; ++x) {
                ASSERT_EQ(clipped.At(x, y), whole.At(x + 200, y + 200))
                    << s.x0 << "," << s.y0 << " -> " << s.x1 << "," << s.y1 << " at " << x << ","
                    << y;
            }
        }
        SelectObject(whole.dc, previous);
        SelectObject(clipped.dc, previous);
    }
    SelectObject(surface.dc, previous);
    DeleteObject(dotted);
}

}  // namespace
