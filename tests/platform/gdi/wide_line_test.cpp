// Lines of pens 2 and 3 pixels wide.
#include <gtest/gtest.h>

#include <random>

#include "tests/platform/gdi/gdi_test_surface.h"

namespace {

struct WidePen : Selection {
    WidePen(TestSurface& surface, int width)
        : Selection(surface, CreatePen(PS_SOLID, width, RGB(0, 0, 0))) {}
};

std::string WidePicture(int width, int height, int penWidth, int x0, int y0, int x1, int y1) {
    TestSurface surface(width, height);
    WidePen pen(surface, penWidth);
    surface.Line(x0, y0, x1, y1);
    return surface.Picture();
}

TEST(WideLine, IsABandOfThePenWidthWithRoundEnds) {
    EXPECT_EQ(WidePicture(10, 5, 2, 2, 2, 6, 2),
              "..........\n"
              ".######...\n"
              ".######...\n"
              "..........\n"
              "..........\n");
    EXPECT_EQ(WidePicture(10, 5, 3, 2, 2, 6, 2),
              "..........\n"
              ".#######..\n"
              ".#######..\n"
              ".#######..\n"
              "..........\n");
    EXPECT_EQ(WidePicture(5, 9, 3, 2, 2, 2, 6),
              ".....\n"
              ".###.\n"
              ".###.\n"
              ".###.\n"
              ".###.\n"
              ".###.\n"
              ".###.\n"
              ".###.\n"
              ".....\n");
}

TEST(WideLine, LevelAndPlumbBandsAreTheSameDrawnEitherWay) {
    const std::string plumb = WidePicture(5, 9, 2, 2, 2, 2, 6);
    EXPECT_EQ(plumb,
              ".....\n"
              ".##..\n"
              ".##..\n"
              ".##..\n"
              ".##..\n"
              ".##..\n"
              ".##..\n"
              ".....\n"
              ".....\n");
    EXPECT_EQ(WidePicture(5, 9, 2, 2, 6, 2, 2), plumb);
    EXPECT_EQ(WidePicture(5, 9, 3, 2, 6, 2, 2), WidePicture(5, 9, 3, 2, 2, 2, 6));
    EXPECT_EQ(WidePicture(10, 5, 2, 6, 2, 2, 2), WidePicture(10, 5, 2, 2, 2, 6, 2));
    EXPECT_EQ(WidePicture(10, 5, 3, 6, 2, 2, 2), WidePicture(10, 5, 3, 2, 2, 6, 2));
    EXPECT_EQ(WidePicture(6, 6, 2, 3, 2, 3, 3),
              "......\n"
              "..##..\n"
              "..##..\n"
              "..##..\n"
              "......\n"
              "......\n");
}

TEST(WideLine, ConnectedLinesJoinRound) {
    TestSurface surface(14, 14);
    WidePen pen(surface, 3);
    MoveToEx(surface.dc, 2, 2, nullptr);
    LineTo(surface.dc, 10, 2);
    LineTo(surface.dc, 10, 10);
    EXPECT_EQ(surface.At(11, 1), kBlackPixel);
    EXPECT_EQ(surface.At(11, 3), kBlackPixel);
    EXPECT_EQ(surface.At(12, 1), kWhitePixel);
}

TEST(WideLine, CoversTheOnePixelLineAndClipsWithoutMovingPixels) {
    std::mt19937 random(6);
    std::uniform_int_distribution<int> coordinate(-150, 210);
    for (int width : {2, 3}) {
        for (int i = 0; i < 100; ++i) {
            const int x0 = coordinate(random), y0 = coordinate(random);
            const int x1 = coordinate(random), y1 = coordinate(random);
            TestSurface whole(500, 500), clipped(40, 30), thin(500, 500);
            {
                WidePen wholePen(whole, width), clippedPen(clipped, width);
                whole.Line(x0 + 200, y0 + 200, x1 + 200, y1 + 200);
                clipped.Line(x0, y0, x1, y1);
            }
            thin.Line(x0 + 200, y0 + 200, x1 + 200, y1 + 200);
            const PixelSet band = whole.ChangedIn(200, 200, 40, 30);
            EXPECT_EQ(clipped.Changed(), band) << x0 << "," << y0 << " -> " << x1 << "," << y1;
            for (auto pixel : thin.ChangedIn(200, 200, 40, 30)) EXPECT_TRUE(band.count(pixel));
        }
    }
}

TEST(WideLine, EndsABillionPixelsAwayGiveTheBandAcrossTheBitmap) {
    TestSurface surface(16, 8);
    WidePen pen(surface, 2);
    surface.Line(-1000000000, 4, 1000000000, 4);
    surface.Line(9, -1000000000, 9, 1000000000);
    PixelSet expected;
    for (int i = 0; i < 16; ++i) expected.insert({i, 3}), expected.insert({i, 4});
    for (int i = 0; i < 8; ++i) expected.insert({8, i}), expected.insert({9, i});
    EXPECT_EQ(surface.Changed(), expected);
}

}  // namespace
