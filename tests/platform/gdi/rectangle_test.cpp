// Rectangles: the outline in the pen, the inside in the brush.
#include <gtest/gtest.h>

#include "tests/platform/gdi/gdi_test_surface.h"

namespace {

constexpr uint32_t kGrey = 0x808080;

TEST(Rectangle, OnePixelPenCoversLeftToRightMinusOne) {
    TestSurface surface(8, 6, kGrey);
    {
        Selection pen(surface, CreatePen(PS_SOLID, 1, RGB(255, 255, 255)));
        Selection brush(surface, GetStockObject(BLACK_BRUSH));
        Rectangle(surface.dc, 1, 1, 6, 5);
    }
    // White outline ('o' is neither the grey fill nor black), black inside.
    EXPECT_EQ(surface.Picture(),
              "........\n"
              ".ooooo..\n"
              ".o###o..\n"
              ".o###o..\n"
              ".ooooo..\n"
              "........\n");
}

TEST(Rectangle, DefaultsDrawABlackFrameAroundWhite) {
    TestSurface surface(6, 5, kGrey);
    Rectangle(surface.dc, 0, 0, 4, 4);
    Rectangle(surface.dc, 5, 4, 6, 5);
    EXPECT_EQ(surface.Picture(),
              "####..\n"
              "#oo#..\n"
              "#oo#..\n"
              "####..\n"
              ".....#\n");
    EXPECT_EQ(surface.At(1, 1), kWhitePixel);
}

TEST(Rectangle, ThreePixelPenCentresItsOutlineOnTheBorder) {
    TestSurface surface(12, 11, kGrey);
    {
        Selection pen(surface, CreatePen(PS_SOLID, 3, RGB(0, 0, 0)));
        Rectangle(surface.dc, 2, 2, 10, 9);
    }
    EXPECT_EQ(surface.Picture(),
              "............\n"
              ".##########.\n"
              ".##########.\n"
              ".##########.\n"
              ".###oooo###.\n"
              ".###oooo###.\n"
              ".###oooo###.\n"
              ".##########.\n"
              ".##########.\n"
              ".##########.\n"
              "............\n");
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
    EXPECT_TRUE(surface.Changed().size() == 80u);
    EXPECT_EQ(surface.At(0, 0), kWhitePixel);
    Rectangle(surface.dc, -1000000000, 3, 1000000000, 1000000000);
    EXPECT_EQ(surface.At(0, 3), kBlackPixel);
    EXPECT_EQ(surface.At(9, 3), kBlackPixel);
    EXPECT_EQ(surface.At(5, 4), kWhitePixel);
}

}  // namespace
