// One-pixel and dotted lines: which pixels they light, in any direction,
// however far their ends lie off the bitmap.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "tests/platform/gdi/gdi_test_surface.h"

namespace {

// num / den to the nearest integer, halves down: a line halfway between two
// pixels takes the left or upper one, whichever way it is drawn.
int64_t NearestPixel(__int128 num, __int128 den) {
    if (den < 0) num = -num, den = -den;
    __int128 floor = num / den;
    if (num % den != 0 && num < 0) --floor;
    return int64_t(2 * (num - floor * den) > den ? floor + 1 : floor);
}

// The visible pixels of a line, column by column (row by row when steep),
// from the start included to the end left out.
PixelSet ReferenceLine(int64_t x0, int64_t y0, int64_t x1, int64_t y1, int width, int height) {
    PixelSet pixels;
    const int64_t dx = x1 - x0, dy = y1 - y0;
    const bool xMajor = std::llabs(dx) >= std::llabs(dy);
    const int64_t a0 = xMajor ? x0 : y0, a1 = xMajor ? x1 : y1, b0 = xMajor ? y0 : x0;
    const int64_t da = xMajor ? dx : dy, db = xMajor ? dy : dx;
    const int64_t low = std::max<int64_t>(0, da > 0 ? a0 : a1 + 1);
    const int64_t high = std::min<int64_t>((xMajor ? width : height) - 1, da > 0 ? a1 - 1 : a0);
    for (int64_t a = low; da != 0 && a <= high; ++a) {
        const int64_t b = NearestPixel(__int128(b0) * da + __int128(a - a0) * db, da);
        const int64_t x = xMajor ? a : b, y = xMajor ? b : a;
        if (x >= 0 && x < width && y >= 0 && y < height) pixels.insert({int(x), int(y)});
    }
    return pixels;
}

struct Segment {
    int x0, y0, x1, y1;
};

// Each with a level or a plumb line from the same start after it: most of
// a frame's lines are one or the other, and they take a path of their own.
std::vector<Segment> RandomSegments(int count, int low, int high, unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> c(low, high);
    std::vector<Segment> segments;
    for (int i = 0; i < count; ++i) {
        const Segment s{c(random), c(random), c(random), c(random)};
        segments.push_back(s);
        segments.push_back(i % 2 ? Segment{s.x0, s.y0, s.x1, s.y0}
                                 : Segment{s.x0, s.y0, s.x0, s.y1});
    }
    return segments;
}

std::string Name(const Segment& s) {
    return std::to_string(s.x0) + "," + std::to_string(s.y0) + " -> " + std::to_string(s.x1) + "," +
           std::to_string(s.y1);
}

PixelSet Drawn(const Segment& s, int width, int height) {
    TestSurface surface(width, height);
    surface.Line(s.x0, s.y0, s.x1, s.y1);
    return surface.Changed();
}

// Start lit, end left out, one pixel per step with no gaps, each the nearest,
// as the reference has them: so drawn backwards, the same pixels apart from
// the ends. Ties at every step of the first ones, a point last.
TEST(CosmeticLine, OnePixelPerStepTheSameEitherDirection) {
    std::vector<Segment> segments = {{0, 0, 4, 2}, {0, 2, 4, 0}, {0, 0, 2, 4}, {1, 1, 1, 1}};
    for (const Segment& s : RandomSegments(300, 0, 47, 1)) segments.push_back(s);
    for (const Segment& s : segments) {
        for (const Segment& l : {s, Segment{s.x1, s.y1, s.x0, s.y0}}) {
            EXPECT_EQ(Drawn(l, 48, 48), ReferenceLine(l.x0, l.y0, l.x1, l.y1, 48, 48)) << Name(l);
        }
    }
    // Hundreds of pixels long too: the walk hands its pixels on in batches.
    for (const Segment& l : RandomSegments(40, -40, 340, 7)) {
        EXPECT_EQ(Drawn(l, 300, 300), ReferenceLine(l.x0, l.y0, l.x1, l.y1, 300, 300)) << Name(l);
    }
}

// Clipped to the bitmap, the pixels the whole line lights inside it, however
// far its ends lie.
TEST(CosmeticLine, ClippedLinesStayExactWithEndsABillionPixelsAway) {
    std::vector<Segment> segments = RandomSegments(200, -1000000000, 1000000000, 4);
    for (const Segment& s : RandomSegments(200, -150, 210, 3)) segments.push_back(s);
    segments.push_back({-1000000000, 5, 1000000000, 5});
    segments.push_back({7, 2000000000, 9, -2000000000});
    segments.push_back({INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX - 3});
    // Lines that start on an edge and leave at once: their start is all
    // they light.
    for (const Segment& edge :
         {Segment{0, 7, -5, 2}, {63, 9, 70, 3}, {5, 0, 9, -4}, {3, 47, 8, 52}})
        segments.push_back(edge);
    for (const Segment& s : segments) {
        // And one through the bitmap: its middle is (30, 20).
        const Segment aimed{s.x0 / 2, s.y0 / 2, 60 - s.x0 / 2, 40 - s.y0 / 2};
        for (const Segment& l : {s, aimed}) {
            EXPECT_EQ(Drawn(l, 64, 48), ReferenceLine(l.x0, l.y0, l.x1, l.y1, 64, 48)) << Name(l);
        }
    }
}

// Step t from the unclipped start a dot in the pen's colour when t mod 6 < 3,
// else in the background colour; nothing else changes. Lines hundreds of
// pixels long too: the walk hands its pixels on in batches.
TEST(DottedLine, ThreeOnThreeInTheBackgroundColourFromTheUnclippedStart) {
    const uint32_t grey = 0x808080;
    auto check = [&](const Segment& s, int size) {
        TestSurface surface(size, size, grey);
        Selection dotted(surface, CreatePen(PS_DOT, 1, RGB(255, 0, 0)));
        surface.Line(s.x0, s.y0, s.x1, s.y1);
        const bool xMajor = std::abs(s.x1 - s.x0) >= std::abs(s.y1 - s.y0);
        std::vector<uint32_t> expected(size * size, grey);
        for (const auto& [x, y] : ReferenceLine(s.x0, s.y0, s.x1, s.y1, size, size)) {
            const int step = xMajor ? std::abs(x - s.x0) : std::abs(y - s.y0);
            expected[y * size + x] = step % 6 < 3 ? 0xFF0000u : kWhitePixel;
        }
        ASSERT_EQ(surface.Pixels(0, 0, size, size), expected) << Name(s);
    };
    for (const Segment& s : RandomSegments(200, -20, 67, 6)) check(s, 48);
    for (const Segment& s : RandomSegments(20, -30, 330, 8)) check(s, 300);
}

}  // namespace
