// Lines of pens 2 and 3 pixels wide.
#include <gtest/gtest.h>

#include <random>

#include "tests/platform/gdi/gdi_test_surface.h"

namespace {

std::string WidePicture(int width, int height, int penWidth, int x0, int y0, int x1, int y1) {
    TestSurface surface(width, height);
    Selection pen(surface, CreatePen(PS_SOLID, penWidth, RGB(0, 0, 0)));
    surface.Line(x0, y0, x1, y1);
    return surface.Picture();
}

// A band of the pen width with round ends, the same drawn either way.
TEST(WideLine, IsABandOfThePenWidthTheSameEitherWay) {
    const struct {
        int width, height, pen, x0, y0, x1, y1;
        const char* picture;
    } cases[] = {
        {10, 5, 2, 2, 2, 6, 2, "..........\n.######...\n.######...\n..........\n..........\n"},
        {10, 5, 3, 2, 2, 6, 2, "..........\n.#######..\n.#######..\n.#######..\n..........\n"},
        {5, 9, 2, 2, 2, 2, 6, ".....\n.##..\n.##..\n.##..\n.##..\n.##..\n.##..\n.....\n.....\n"},
        {5, 9, 3, 2, 2, 2, 6, ".....\n.###.\n.###.\n.###.\n.###.\n.###.\n.###.\n.###.\n.....\n"},
        {6, 6, 2, 3, 2, 3, 3, "......\n..##..\n..##..\n..##..\n......\n......\n"},
        // A slope of one half: the band's centre passes halfway between rows.
        {6, 5, 2, 4, 3, 2, 2, "......\n.###..\n.####.\n...##.\n......\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.picture);
        EXPECT_EQ(WidePicture(c.width, c.height, c.pen, c.x0, c.y0, c.x1, c.y1), c.picture);
        EXPECT_EQ(WidePicture(c.width, c.height, c.pen, c.x1, c.y1, c.x0, c.y0), c.picture);
    }
}

TEST(WideLine, ConnectedLinesJoinRound) {
    TestSurface surface(14, 14);
    Selection pen(surface, CreatePen(PS_SOLID, 3, RGB(0, 0, 0)));
    surface.Line(2, 2, 10, 2);
    LineTo(surface.dc, 10, 10);
    EXPECT_EQ(surface.At(11, 1), kBlackPixel);
    EXPECT_EQ(surface.At(11, 3), kBlackPixel);
    EXPECT_EQ(surface.At(12, 1), kWhitePixel);
}

TEST(WideLine, CoversTheOnePixelLineAndClipsWithoutMovingPixels) {
    std::mt19937 random(6);
    std::uniform_int_distribution<int> c(-150, 210);
    for (int width : {2, 3}) {
        for (int i = 0; i < 100; ++i) {
            const int x0 = c(random), y0 = c(random), x1 = c(random), y1 = c(random);
            SCOPED_TRACE(testing::Message()
                         << width << ": " << x0 << "," << y0 << " -> " << x1 << "," << y1);
            TestSurface whole(500, 500), clipped(40, 30), thin(500, 500);
            {
                Selection a(whole, CreatePen(PS_SOLID, width, 0));
                Selection b(clipped, CreatePen(PS_SOLID, width, 0));
                whole.Line(x0 + 200, y0 + 200, x1 + 200, y1 + 200);
                clipped.Line(x0, y0, x1, y1);
            }
            thin.Line(x0 + 200, y0 + 200, x1 + 200, y1 + 200);
            const PixelSet band = whole.ChangedIn(200, 200, 40, 30);
            EXPECT_EQ(clipped.Changed(), band);
            for (auto pixel : thin.ChangedIn(200, 200, 40, 30)) EXPECT_TRUE(band.count(pixel));
        }
    }
}

TEST(WideLine, EndsABillionPixelsAwayGiveTheBandAcrossTheBitmap) {
    TestSurface surface(16, 8);
    Selection pen(surface, CreatePen(PS_SOLID, 2, RGB(0, 0, 0)));
    surface.Line(-1000000000, 4, 1000000000, 4);
    surface.Line(9, -1000000000, 9, 1000000000);
    PixelSet expected;
    for (int i = 0; i < 16; ++i) expected.insert({{i, 3}, {i, 4}, {8, i % 8}, {9, i % 8}});
    EXPECT_EQ(surface.Changed(), expected);
}

}  // namespace
