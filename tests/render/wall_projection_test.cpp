#include "render/wall_projection.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "tests/render/render_support.h"

namespace {

// Each line as its pair of points, whichever way round it was drawn.
using Segment = std::pair<std::string, std::string>;

std::multiset<Segment> Segments(const std::vector<std::string>& lines) {
    std::multiset<Segment> segments;
    for (size_t i = 0; i + 1 < lines.size(); i++) {
        if (lines[i].rfind("MoveToEx ", 0) != 0) continue;
        std::string a = lines[i].substr(9);
        std::string b = lines[i + 1].substr(7);
        segments.insert(a < b ? Segment{a, b} : Segment{b, a});
    }
    return segments;
}

class ProjectWallTest : public RenderTest {
protected:
    ProjectWallTest() : RenderTest(800, 800) {}
    void SetUp() override {
        RenderTest::SetUp();
        playerX = 50;
        playerY = 50;
        drawCount = 1;
    }

    std::vector<std::string> Wall(float x1, float y1, float x2, float y2, float ceiling = 128,
                                  float floor = 0) {
        return surface.Trace([&] {
            ProjectWall(&level, surface.dc(), x1, y1, x2, y2, ceiling, floor, playerX, playerY,
                        playerAngle);
        });
    }

};

// Player at (50, 50) facing +x, seg from (100, 40) to (100, 60): both ends
// 50 deep, laterals 10 and -10, X = -102.4 and 102.4, T = 327.68.
TEST_F(ProjectWallTest, WorkedExampleInOutline) {
    EXPECT_EQ(Wall(100, 40, 100, 60),
              (std::vector<std::string>{WallPenLine(1), "MoveToEx 298 73", "LineTo 502 73",
                                        "MoveToEx 298 727", "LineTo 502 727", "MoveToEx 298 73",
                                        "LineTo 298 727", "MoveToEx 502 73", "LineTo 502 727"}));
    const COLORREF pen = 0x010001;
    EXPECT_EQ(surface.Pixel(400, 73), pen);
    EXPECT_EQ(surface.Pixel(298, 400), pen);
    EXPECT_EQ(surface.Pixel(400, 400), 0xFFFFFFu);
    EXPECT_EQ(surface.Pixel(400, 60), 0xFFFFFFu);
}

TEST_F(ProjectWallTest, WorkedExampleFilledHas205Columns) {
    fillWalls = true;
    const auto lines = Wall(100, 40, 100, 60);
    const auto moves = Matching(lines, "MoveToEx");
    const auto draws = Matching(lines, "LineTo");
    ASSERT_EQ(moves.size(), 205u);
    EXPECT_EQ(lines[0], WallPenLine(1));
    EXPECT_EQ(moves.front(), "MoveToEx 298 73");
    EXPECT_EQ(draws.front(), "LineTo 298 727");
    EXPECT_EQ(moves.back(), "MoveToEx 502 73");
    EXPECT_EQ(draws.back(), "LineTo 502 727");
    EXPECT_EQ(surface.Pixel(400, 400), 0x010001u);
    EXPECT_EQ(surface.Pixel(400, 70), 0xFFFFFFu);
    EXPECT_EQ(surface.Pixel(600, 400), 0xFFFFFFu);
}

TEST_F(ProjectWallTest, ReversedSegSameOutlineNothingFilled) {
    const auto forward = Wall(100, 40, 100, 60);
    const auto reversed = Wall(100, 60, 100, 40);
    EXPECT_EQ(Segments(forward), Segments(reversed));
    fillWalls = true;
    EXPECT_EQ(Wall(100, 60, 100, 40), std::vector<std::string>{WallPenLine(1)});
}

TEST_F(ProjectWallTest, ZoomedProjectionDoublesOffsetsAndHeights) {
    zoomedProjection = true;
    // X = -204.8 and 204.8, T = 655.36.
    const auto lines = Wall(100, 40, 100, 60);
    EXPECT_EQ(lines[1], "MoveToEx 196 -255");
    EXPECT_EQ(lines[2], "LineTo 604 -255");
    EXPECT_EQ(lines[4], "LineTo 604 1055");
}

TEST_F(ProjectWallTest, PenFollowsTheSubsectorCount) {
    drawCount = 255;
    EXPECT_EQ(Wall(100, 40, 100, 60)[0], WallPenLine(0));
    drawCount = 256;
    EXPECT_EQ(Wall(100, 40, 100, 60)[0], WallPenLine(1));
    drawCount = 254;
    EXPECT_EQ(Wall(100, 40, 100, 60)[0], WallPenLine(254));
}

TEST_F(ProjectWallTest, BothEndsBehindSelectsThePenOnly) {
    playerX = 150;
    for (bool fill : {false, true}) {
        fillWalls = fill;
        EXPECT_EQ(Wall(100, 40, 100, 60), std::vector<std::string>{WallPenLine(1)});
    }
}

TEST_F(ProjectWallTest, ZeroDepthCollapsesOntoTheCentre) {
    playerX = 100;
    const std::vector<std::string> centre = {
        WallPenLine(1),    "MoveToEx 400 400", "LineTo 400 400", "MoveToEx 400 400",
        "LineTo 400 400",  "MoveToEx 400 400", "LineTo 400 400", "MoveToEx 400 400",
        "LineTo 400 400"};
    EXPECT_EQ(Wall(100, 40, 100, 60), centre);  // both at depth 0
    EXPECT_EQ(Wall(100, 40, 90, 60), centre);   // one at 0, one behind
    fillWalls = true;
    EXPECT_EQ(Wall(100, 40, 100, 60), std::vector<std::string>{WallPenLine(1)});
    EXPECT_EQ(Wall(100, 40, 90, 60), std::vector<std::string>{WallPenLine(1)});
}

TEST_F(ProjectWallTest, FlatAndUpsideDownSectors) {
    const auto flat = Wall(100, 40, 100, 60, 64, 64);
    EXPECT_EQ(flat[1], "MoveToEx 298 400");
    EXPECT_EQ(flat[6], "LineTo 298 400");
    // A ceiling below the floor mirrors the wall about the centre row.
    const auto mirrored = Wall(100, 40, 100, 60, 0, 128);
    EXPECT_EQ(mirrored[1], "MoveToEx 298 727");
    EXPECT_EQ(mirrored[2], "LineTo 502 727");
    EXPECT_EQ(mirrored[3], "MoveToEx 298 73");
}

// From (40, 30), 10 behind the player, to (150, 70), 100 in front: the
// near end moves to lateral 13, depth 7, which projects at X -950.86 and
// T 2340.57; the far end keeps X 102.4 and T 163.84.
TEST_F(ProjectWallTest, CrossingWallIsCutInFrontOfThePlayer) {
    const std::vector<std::string> outline = {
        WallPenLine(1),       "MoveToEx -550 2740", "LineTo 502 563",     "MoveToEx -550 -1940",
        "LineTo 502 237",     "MoveToEx -550 2740", "LineTo -550 -1940",  "MoveToEx 502 563",
        "LineTo 502 237"};
    EXPECT_EQ(Wall(40, 30, 150, 70), outline);
}

TEST_F(ProjectWallTest, CrossingWallDrawsTheSameWhicheverEndIsBehind) {
    const auto endOneBehind = Wall(40, 30, 150, 70);
    const auto endTwoBehind = Wall(150, 70, 40, 30);
    ASSERT_EQ(endTwoBehind.size(), 9u);
    EXPECT_EQ(Segments(endOneBehind), Segments(endTwoBehind));

    fillWalls = true;
    // Columns -950 to 102 of which -400 to 102 lie on the surface, drawn
    // from the bottom row up.
    const auto columns = Matching(Wall(40, 30, 150, 70), "LineTo");
    ASSERT_EQ(columns.size(), 503u);
    EXPECT_EQ(columns.front().substr(0, 9), "LineTo 0 ");
    EXPECT_EQ(columns.back().substr(0, 11), "LineTo 502 ");
    EXPECT_EQ(surface.Pixel(200, 400), 0x010001u);
    // Reversed, its first end projects right of its second: nothing.
    EXPECT_EQ(Wall(150, 70, 40, 30), std::vector<std::string>{WallPenLine(1)});
}

TEST_F(ProjectWallTest, CrossingWallFarToTheLeftIsGivenUp) {
    // Depths -1 and 1, laterals 1000 and 1100: the new depth is -173.
    for (bool fill : {false, true}) {
        fillWalls = fill;
        EXPECT_EQ(Wall(49, -950, 51, -1050), std::vector<std::string>{WallPenLine(1)});
        EXPECT_EQ(Wall(51, -1050, 49, -950), std::vector<std::string>{WallPenLine(1)});
    }
}

TEST_F(ProjectWallTest, CrossingWithoutDepthSpanCutsAtTheCutTerm) {
    // Depths -0.5 and 0.5 truncate alike: the cut end takes lateral K = 0
    // and depth 160.
    const auto lines = Wall(49.5f, 40, 50.5f, 60);
    EXPECT_EQ(lines[1], "MoveToEx 400 502");
    EXPECT_EQ(lines[2], "LineTo 10640 33168");
}

TEST_F(ProjectWallTest, CutOfFarEndsDoesNotOverflow) {
    // Player at the origin: depths -1000 and 300000, laterals 100000 and
    // -50000. L1 x D2 alone is 3e10; the cut lands at lateral 99497,
    // depth 7, whichever end is behind.
    playerX = 0;
    playerY = 0;
    const auto lines = Wall(-1000, -100000, 300000, 50000);
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[1], "MoveToEx -7277095 2740");
    EXPECT_EQ(lines[2], "LineTo 485 400");
    EXPECT_EQ(Segments(Wall(300000, 50000, -1000, -100000)), Segments(lines));
}

TEST_F(ProjectWallTest, FillCostsNoMoreThanTheSurfaceIsWide) {
    fillWalls = true;
    // Both ends a thousandth in front: the ends project millions of
    // columns apart.
    const auto columns = Matching(Wall(50.001f, 40, 50.001f, 60), "LineTo");
    ASSERT_EQ(columns.size(), 800u);
    EXPECT_EQ(columns.front().substr(0, 9), "LineTo 0 ");
    EXPECT_EQ(columns.back().substr(0, 11), "LineTo 799 ");
}

TEST_F(ProjectWallTest, FillDrawsExactlyTheOnSurfaceColumns) {
    TestSurface narrow(150, 800);
    fillWalls = true;
    const auto lines = narrow.Trace([&] {
        ProjectWall(&level, narrow.dc(), 100, 40, 100, 60, 128, 0, playerX, playerY, 0);
    });
    const auto moves = Matching(lines, "MoveToEx");
    // Offsets -102 to 102 against half-width 75: -75 to 74 remain.
    ASSERT_EQ(moves.size(), 150u);
    EXPECT_EQ(moves.front(), "MoveToEx 0 73");
    EXPECT_EQ(moves.back(), "MoveToEx 149 73");
}

TEST_F(ProjectWallTest, EndsBeyondTheIntegerRangeSaturate) {
    // Depth 1e-6 and laterals of 1e4 project 5e12 columns and rows away:
    // the offsets saturate, and so do the pixels the centre is added to.
    playerX = 0;
    playerY = 0;
    const auto lines = Wall(1e-6f, -1e4f, 1e-6f, 1e4f);
    EXPECT_EQ(lines[1], "MoveToEx -2147483248 -2147483247");
    EXPECT_EQ(lines[2], "LineTo 2147483647 -2147483247");
    EXPECT_EQ(lines[4], "LineTo 2147483647 2147483647");
}

}  // namespace
