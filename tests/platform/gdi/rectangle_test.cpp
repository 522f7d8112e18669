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

TEST(Rectangle, NarrowOnesAreAllOutline) {
    TestSurface surface(6, 6, kGrey);
    {
        Selection pen(surface, CreatePen(PS_SOLID, 1, RGB(255, 255, 255)));
        Selection brush(surface, GetStockObject(BLACK_BRUSH));
        Rectangle(surface.dc, 0, 0, 2, 4);
        Rectangle(surface.dc, 3, 0, 4, 3);
        Rectangle(surface.dc, 2, 5, 6, 7);
    }
    EXPECT_EQ(surface.Picture(),
              "oo.o..\n"
              "oo.o..\n"
              "oo.o..\n"
              "oo....\n"
              "......\n"
              "..oooo\n");
}

// Small rectangles across every edge light the pixels that the same
// rectangles light inside a bitmap large enough to hold them whole.
TEST(Rectangle, SmallOnesClipWithoutMovingPixels) {
    constexpr int kShift = 16;
    for (int width = 1; width <= 5; ++width) {
        for (int height = 1; height <= 5; ++height) {
            for (int y = -6; y <= 7; ++y) {
                for (int x = -6; x <= 9; ++x) {
                    TestSurface clipped(8, 6, kGrey), whole(40, 40, kGrey);
                    for (TestSurface* surface : {&clipped, &whole}) {
                        const int shift = surface == &whole ? kShift : 0;
                        Selection pen(*surface, CreatePen(PS_SOLID, 0, RGB(255, 0, 0)));
                        Selection brush(*surface, GetStockObject(BLACK_BRUSH));
                        Rectangle(surface->dc, x + shift, y + shift, x + shift + width,
                                  y + shift + height);
                    }
                    for (int py = 0; py < 6; ++py) {
                        for (int px = 0; px < 8; ++px) {
                            ASSERT_EQ(clipped.At(px, py), whole.At(px + kShift, py + kShift))
                                << width << "x" << height << " at " << x << "," << y;
                        }
                    }
                }
            }
        }
    }
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
