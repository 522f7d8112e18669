// Text in the system font, in opaque cells clipped to the rectangle.
#include <gtest/gtest.h>

#include "tests/platform/gdi/gdi_test_surface.h"

namespace {

constexpr uint32_t kGrey = 0x808080;

// The ink of one 8x16 cell as 16 rows of 8 bits, bit 7 the left column.
std::vector<int> CellInk(const TestSurface& surface, int left, int top) {
    std::vector<int> rows;
    for (int y = top; y < top + 16; ++y) {
        int bits = 0;
        for (int x = left; x < left + 8; ++x) {
            bits = bits << 1 | (surface.At(x, y) == kBlackPixel ? 1 : 0);
        }
        rows.push_back(bits);
    }
    return rows;
}

TEST(Text, BlackGlyphsInWhiteCellsFromTheTopLeftCorner) {
    TestSurface surface(40, 20, kGrey);
    RECT rect{3, 2, 40, 20};
    EXPECT_EQ(DrawTextA(surface.dc, "AA|", -1, &rect, DT_TOP | DT_LEFT), 16);
    // Unifont's capital A: a peak at row 4, the bar at row 9.
    const std::vector<int> a = CellInk(surface, 3, 2);
    EXPECT_EQ(a[4], 0x18);
    EXPECT_EQ(a[9], 0x7E);
    EXPECT_EQ(CellInk(surface, 11, 2), a);
    EXPECT_NE(CellInk(surface, 19, 2), a);
    for (int y = 2; y < 18; ++y) {
        for (int x = 3; x < 27; ++x) EXPECT_NE(surface.At(x, y), kGrey) << x << "," << y;
    }
    EXPECT_EQ(surface.At(27, 2), kGrey);
    EXPECT_EQ(surface.At(3, 18), kGrey);
    EXPECT_EQ(surface.At(2, 2), kGrey);
}

TEST(Text, StaysInsideItsRectangleAndTheBitmap) {
    TestSurface surface(30, 20, kGrey);
    RECT rect{-4, -5, 13, 6};
    DrawTextA(surface.dc, "WWWWWW", 4, &rect, 0);
    PixelSet expected;
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 13; ++x) expected.insert({x, y});
    }
    EXPECT_EQ(surface.Changed(), expected);

    TestSurface whole(40, 30, kGrey);
    RECT wide{0, 0, 40, 30};
    DrawTextA(whole.dc, "WWWWWW", 4, &wide, 0);
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 13; ++x) EXPECT_EQ(surface.At(x, y), whole.At(x + 4, y + 5));
    }
}

TEST(Text, FarAwayRectangleDrawsNothing) {
    TestSurface surface(16, 16, kGrey);
    RECT rect{-1000000000, 0, 1000000000, 16};
    DrawTextA(surface.dc, "ABC", -1, &rect, 0);
    EXPECT_TRUE(surface.Changed().empty());
}

}  // namespace
