// Text in the system font, in opaque cells clipped to the rectangle.
#include <gtest/gtest.h>

#include "tests/platform/gdi/gdi_test_surface.h"

namespace {

constexpr uint32_t kGrey = 0x808080;

// The ink of one 8x16 cell as 16 rows of 8 bits, bit 7 the left column.
std::vector<int> CellInk(const TestSurface& surface, int left, int top) {
    std::vector<int> rows(16);
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 8; ++x) rows[y] = rows[y] << 1 | (surface.At(left + x, top + y) == 0);
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
    PixelSet cells;
    for (int i = 0; i < 24 * 16; ++i) cells.insert({3 + i % 24, 2 + i / 24});
    EXPECT_EQ(surface.Changed(), cells);
}

// Clipped to its rectangle and the bitmap, the same pixels as drawn whole;
// far away, nothing.
TEST(Text, StaysInsideItsRectangleAndTheBitmap) {
    TestSurface surface(30, 20, kGrey), whole(40, 30, kGrey);
    RECT rect{-4, -5, 13, 6}, wide{0, 0, 40, 30}, far{-1000000000, 0, 1000000000, 16};
    DrawTextA(surface.dc, "WWWWWW", 4, &rect, 0);
    DrawTextA(whole.dc, "WWWWWW", 4, &wide, 0);
    EXPECT_EQ(surface.Pixels(0, 0, 13, 6), whole.Pixels(4, 5, 13, 6));
    PixelSet inside;
    for (int i = 0; i < 13 * 6; ++i) inside.insert({i % 13, i / 13});
    EXPECT_EQ(surface.Changed(), inside);
    TestSurface empty(16, 16, kGrey);
    DrawTextA(empty.dc, "ABC", -1, &far, 0);
    EXPECT_TRUE(empty.Changed().empty());
}

}  // namespace
