// Rectangles: the outline in the pen, the inside in the brush.
#include <gtest/gtest.h>

#include "tests/platform/gdi/gdi_test_surface.h"

namespace {

constexpr uint32_t kGrey = 0x808080;

// The one-pixel pen (width 0 or 1) outlines left to right - 1 and top to
// bottom - 1, the brush fills inside, narrow ones are all outline; the
// 3-pixel pen's outline is that frame thickened about its centre. Clipped at
// every edge, each pixel stays where it was.
TEST(Rectangle, OutlineCentredOnTheFrameLeftToRightMinusOneClippedWithoutMovingPixels) {
    const int penWidths[] = {0, 1, 3};
    for (int size = 0; size < 108; ++size) {
        const int w = size % 6 + 1, h = size / 6 % 6 + 1, penWidth = penWidths[size / 36];
        const int k = penWidth / 2;  // how far the outline reaches out of the frame
        for (int y = -6; y <= 7; ++y) {
            for (int x = -6; x <= 9; ++x) {
                TestSurface surface(8, 6, kGrey);
                {
                    Selection pen(surface, CreatePen(PS_SOLID, penWidth, RGB(255, 0, 0)));
                    Selection brush(surface, GetStockObject(BLACK_BRUSH));
                    Rectangle(surface.dc, x, y, x + w, y + h);
                }
                auto within = [](int p, int low, int high) { return p >= low && p < high; };
                std::vector<uint32_t> expected;
                for (int i = 0; i < 8 * 6; ++i) {
                    const int px = i % 8, py = i / 8;
                    const bool outer = within(px, x - k, x + w + k) && within(py, y - k, y + h + k);
                    const bool inner = within(px, x + 1 + k, x + w - 1 - k) &&
                                       within(py, y + 1 + k, y + h - 1 - k);
                    expected.push_back(!outer ? kGrey : inner ? kBlackPixel : 0xFF0000u);
                }
                ASSERT_EQ(surface.Pixels(0, 0, 8, 6), expected)
                    << w << "x" << h << " at " << x << "," << y << " pen " << penWidth;
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

}  // namespace
