// Rectangles: the outline in the pen, the inside in the brush.
#include <gtest/gtest.h>

#include "tests/platform/gdi/gdi_test_surface.h"

namespace {

constexpr uint32_t kGrey = 0x808080;

TEST(Rectangle, ThreePixelPenCentresItsOutlineOnTheBorder) {
    TestSurface surface(12, 11, kGrey);
    {
        Selection pen(surface, CreatePen(PS_SOLID, 3, RGB(0, 0, 0)));
        Rectangle(surface.dc, 2, 2, 10, 9);
    }
    const std::string band = ".##########.\n", edges = ".###oooo###.\n", none = "............\n";
    EXPECT_EQ(surface.Picture(),
              none + band + band + band + edges + edges + edges + band + band + band + none);
    EXPECT_EQ(surface.At(5, 5), kWhitePixel);
}

// The one-pixel pen (width 0 or 1) outlines left to right - 1 and top to
// bottom - 1, the brush fills inside, narrow ones are all outline; clipped at
// every edge, each pixel stays where it was.
TEST(Rectangle, OnePixelPenCoversLeftToRightMinusOneAndClipsWithoutMovingPixels) {
    for (int size = 0; size < 50; ++size) {
        const int w = size % 5 + 1, h = size / 5 % 5 + 1;
        for (int y = -6; y <= 7; ++y) {
            for (int x = -6; x <= 9; ++x) {
                TestSurface surface(8, 6, kGrey);
                {
                    Selection pen(surface, CreatePen(PS_SOLID, size / 25, RGB(255, 0, 0)));
                    Selection brush(surface, GetStockObject(BLACK_BRUSH));
                    Rectangle(surface.dc, x, y, x + w, y + h);
                }
                std::vector<uint32_t> expected;
                for (int i = 0; i < 8 * 6; ++i) {
                    const int px = i % 8, py = i / 8;
                    const bool inside = px >= x && px < x + w && py >= y && py < y + h;
                    const bool edge = px == x || px == x + w - 1 || py == y || py == y + h - 1;
                    expected.push_back(!inside ? kGrey : edge ? 0xFF0000u : kBlackPixel);
                }
                ASSERT_EQ(surface.Pixels(0, 0, 8, 6), expected)
                    << w << "x" << h << " at " << x << "," << y << " pen " << size / 25;
            }
        }
    }
}

TEST(Rectangle, CrossHatchIsAGridOverTheBackground) {
    TestSurface surface(20, 20, kGrey);
    {
        Selection hatch(surface, CreateHatchBrush(HS_CROSS, RGB(0, 0, 255)));
        Rectangle(surface.dc, 0, 0, 20, 20);
    }
    for (int y = 1; y < 19; ++y) {
        for (int x = 1; x < 19; ++x) {
            EXPECT_EQ(surface.At(x, y), x % 8 == 0 || y % 8 == 0 ? 0x0000FFu : kWhitePixel)
                << x << "," << y;
        }
    }
}

TEST(Rectangle, HugeRectangleIsClippedToTheBitmap) {
    TestSurface surface(10, 8, kGrey);
    Rectangle(surface.dc, -1000000000, -1000000000, 1000000000, 1000000000);
    EXPECT_EQ(surface.Changed().size(), 80u);
    Rectangle(surface.dc, -1000000000, 3, 1000000000, 1000000000);
    EXPECT_EQ(surface.At(0, 3), kBlackPixel);
    EXPECT_EQ(surface.At(9, 3), kBlackPixel);
    EXPECT_EQ(surface.At(5, 4), kWhitePixel);
}

}  // namespace
