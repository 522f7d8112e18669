// Rectangles: the outline in the pen, the inside in the brush.
#include <gtest/gtest.h>

#include "tests/platform/gdi/gdi_test_surface.h"

namespace {

constexpr uint32_t kGrey = 0x808080;

// A white outline ('o': neither the grey fill nor black) from left to
// right - 1, the black brush inside; narrow ones are all outline.
TEST(Rectangle, OnePixelPenCoversLeftToRightMinusOne) {
    TestSurface surface(12, 6, kGrey);
    {
        Selection pen(surface, CreatePen(PS_SOLID, 1, RGB(255, 255, 255)));
        Selection brush(surface, GetStockObject(BLACK_BRUSH));
        Rectangle(surface.dc, 1, 1, 6, 5);
        Rectangle(surface.dc, 7, 0, 9, 4);
        Rectangle(surface.dc, 10, 0, 11, 3);
        Rectangle(surface.dc, 8, 5, 12, 7);
    }
    EXPECT_EQ(surface.Picture(),
              ".......oo.o.\n"
              ".ooooo.oo.o.\n"
              ".o###o.oo.o.\n"
              ".o###o.oo...\n"
              ".ooooo......\n"
              "........oooo\n");
}

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

// Small rectangles across every edge light the pixels that the same
// rectangles light inside a bitmap large enough to hold them whole.
TEST(Rectangle, SmallOnesClipWithoutMovingPixels) {
    for (int size = 0; size < 25; ++size) {
        for (int y = -6; y <= 7; ++y) {
            for (int x = -6; x <= 9; ++x) {
                TestSurface clipped(8, 6, kGrey), whole(40, 40, kGrey);
                for (auto [surface, shift] : {std::pair{&clipped, 0}, std::pair{&whole, 16}}) {
                    Selection pen(*surface, CreatePen(PS_SOLID, 0, RGB(255, 0, 0)));
                    Selection brush(*surface, GetStockObject(BLACK_BRUSH));
                    Rectangle(surface->dc, x + shift, y + shift, x + shift + size % 5 + 1,
                              y + shift + size / 5 + 1);
                }
                ASSERT_EQ(clipped.Pixels(0, 0, 8, 6), whole.Pixels(16, 16, 8, 6))
                    << size % 5 + 1 << "x" << size / 5 + 1 << " at " << x << "," << y;
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
