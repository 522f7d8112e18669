#include "render/wall_projection.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "render/near_cut.h"
#include "tests/render/render_support.h"

namespace {

using Lines = std::vector<std::string>;

// Each line as its pair of points, whichever way round it was drawn.
std::multiset<std::pair<std::string, std::string>> Segments(const Lines& lines) {
    std::multiset<std::pair<std::string, std::string>> segments;
    for (size_t i = 0; i + 1 < lines.size(); i++) {
        if (!lines[i].starts_with("MoveToEx ")) continue;
        const std::string a = lines[i].substr(9), b = lines[i + 1].substr(7);
        segments.insert(a < b ? std::pair{a, b} : std::pair{b, a});
    }
    return segments;
}

// An outline's trace in the wall pen of subsector 1: the top edge, the
// bottom edge, then the side at each end.
Lines Outline(int x1, int top1, int bottom1, int x2, int top2, int bottom2) {
    const int points[8][2] = {{x1, top1}, {x2, top2},    {x1, bottom1}, {x2, bottom2},
                              {x1, top1}, {x1, bottom1}, {x2, top2},    {x2, bottom2}};
    Lines lines = {WallPenLine(1)};
    for (int i = 0; i < 8; i++) {
        lines.push_back(std::string(i % 2 == 0 ? "MoveToEx " : "LineTo ") +
                        std::to_string(points[i][0]) + " " + std::to_string(points[i][1]));
    }
    return lines;
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

    Lines Wall(float x1, float y1, float x2, float y2, float ceiling = 128, float floor = 0,
               TestSurface* on = nullptr) {
        TestSurface& target = on != nullptr ? *on : surface;
        return Trace([&] {
            ProjectWall(&level, target.dc, x1, y1, x2, y2, ceiling, floor, playerX, playerY,
                        playerAngle);
        });
    }
};

// Player at (50, 50) facing +x, seg from (100, 40) to (100, 60): both ends
// 50 deep, laterals 10 and -10, X = -102.4 and 102.4, T = 327.68.
TEST_F(ProjectWallTest, WorkedExampleInOutlineReversedAndFilledInTheSubsectorsPen) {
    EXPECT_EQ(Wall(100, 40, 100, 60), Outline(298, 73, 727, 502, 73, 727));
    EXPECT_EQ(Wall(100, 60, 100, 40), Outline(502, 73, 727, 298, 73, 727));  // reversed

    fillWalls = true;
    const auto lines = Wall(100, 40, 100, 60);
    const auto moves = Matching(lines, "MoveToEx");
    const auto draws = Matching(lines, "LineTo");
    ASSERT_EQ(moves.size(), 205u);
    EXPECT_EQ(lines[0], WallPenLine(1));
    EXPECT_EQ(moves.front() + draws.front(), "MoveToEx 298 73LineTo 298 727");
    EXPECT_EQ(moves.back() + draws.back(), "MoveToEx 502 73LineTo 502 727");
    for (int count : {255, 256, 254}) {  // the pen follows the subsector count
        drawCount = count;
        EXPECT_EQ(Wall(100, 40, 100, 60)[0], WallPenLine(count % 255)) << count;
    }
}

TEST_F(ProjectWallTest, ZoomedMirroredAndFlat) {
    zoomedProjection = true;  // X = -204.8 and 204.8, T = 655.36
    EXPECT_EQ(Wall(100, 40, 100, 60), Outline(196, -255, 1055, 604, -255, 1055));
    zoomedProjection = false;
    EXPECT_EQ(Wall(100, 40, 100, 60, 64, 64), Outline(298, 400, 400, 502, 400, 400));
    // A ceiling below the floor mirrors the wall about the centre row.
    EXPECT_EQ(Wall(100, 40, 100, 60, 0, 128), Outline(298, 727, 73, 502, 727, 73));
}

// Facing +y, the seg from (40, 100) to (60, 100) lies as the worked
// example's does facing +x, its first end now on the right; facing +x again,
// the worked example is as before.
TEST_F(ProjectWallTest, TurningMovesTheWallsWithTheFacing) {
    playerAngle = 1.5707964f;
    EXPECT_EQ(Wall(40, 100, 60, 100), Outline(502, 73, 727, 298, 73, 727));
    playerAngle = 0;
    EXPECT_EQ(Wall(100, 40, 100, 60), Outline(298, 73, 727, 502, 73, 727));
}

// Walls that select their pen and draw nothing.
TEST_F(ProjectWallTest, NothingDrawn) {
    const struct {
        const char* name;
        float px, x1, y1, x2, y2;
        bool fill;
    } cases[] = {
        {"reversed seg, filled", 50, 100, 60, 100, 40, true},
        {"both ends behind", 150, 100, 40, 100, 60, false},
        {"both ends behind, filled", 150, 100, 40, 100, 60, true},
        {"zero depth, filled", 100, 100, 40, 100, 60, true},
        {"zero depth and behind, filled", 100, 100, 40, 90, 60, true},
        // Crossing, its first end projecting right of its second.
        {"crossing reversed, filled", 50, 150, 70, 40, 30, true},
        // Depths -1 and 1, laterals 1000 and 1100: the new depth is -173.
        {"crossing far left", 50, 49, -950, 51, -1050, false},
        {"crossing far left, filled", 50, 49, -950, 51, -1050, true},
        {"crossing far left, other end, filled", 50, 51, -1050, 49, -950, true},
    };
    for (const auto& c : cases) {
        playerX = c.px;
        fillWalls = c.fill;
        EXPECT_EQ(Wall(c.x1, c.y1, c.x2, c.y2), Lines{WallPenLine(1)}) << c.name;
    }
}

TEST_F(ProjectWallTest, ZeroDepthCollapsesOntoTheCentre) {
    playerX = 100;
    const Lines centre = Outline(400, 400, 400, 400, 400, 400);
    EXPECT_EQ(Wall(100, 40, 100, 60), centre);  // both at depth 0
    EXPECT_EQ(Wall(100, 40, 90, 60), centre);   // one at 0, one behind
    // One at 0, one 50 in front: a crossing wall, cut to lateral 6, depth 7.
    playerX = 50;
    const auto lines = Wall(50, 40, 100, 60);
    EXPECT_EQ(lines[1] + lines[2], "MoveToEx -38 2740LineTo 502 727");
}

// Lateral 1 at depth 0 to lateral 4 at depth 1: the cut lands at lateral 25
// and depth (160 - 5 x 25) / 20 = 1, the least depth kept; from lateral 0
// it lands at 32 and depth 0, and is given up.
TEST(CutNearEndTest, LeastDepthIsKept) {
    float lateral = 1, depth = 0, farLateral = 4, farDepth = 1;
    EXPECT_TRUE(CutNearEnd(&lateral, &depth, &farLateral, &farDepth));
    EXPECT_EQ(std::pair(lateral, depth), std::pair(25.0f, 1.0f));
    lateral = 0;
    depth = 0;
    EXPECT_FALSE(CutNearEnd(&lateral, &depth, &farLateral, &farDepth));
}

// From (40, 30), 10 behind the player, to (150, 70), 100 in front: the
// near end moves to lateral 13, depth 7, which projects at X -950.86 and
// T 2340.57; the far end keeps X 102.4 and T 163.84.
TEST_F(ProjectWallTest, CrossingWallIsCutInFrontOfThePlayer) {
    const Lines outline = Outline(-550, 2740, -1940, 502, 563, 237);
    EXPECT_EQ(Wall(40, 30, 150, 70), outline);
    EXPECT_EQ(Segments(Wall(150, 70, 40, 30)), Segments(outline));  // either end behind

    fillWalls = true;
    // Columns -950 to 102 of which -400 to 102 lie on the surface, drawn
    // from the bottom row up.
    const auto columns = Matching(Wall(40, 30, 150, 70), "LineTo");
    ASSERT_EQ(columns.size(), 503u);
    EXPECT_TRUE(columns.front().starts_with("LineTo 0 "));
    EXPECT_TRUE(columns.back().starts_with("LineTo 502 "));
}

TEST_F(ProjectWallTest, CutsWithoutDepthSpanAndOfFarEnds) {
    // Depths -0.5 and 0.5 truncate alike: the cut end takes lateral K = 0
    // and depth 160.
    auto lines = Wall(49.5f, 40, 50.5f, 60);
    EXPECT_EQ(lines[1] + lines[2], "MoveToEx 400 502LineTo 10640 33168");
    // Player at the origin: depths -1000 and 300000, laterals 100000 and
    // -50000. L1 x D2 alone is 3e10; the cut lands at lateral 99497, depth 7.
    playerX = 0;
    playerY = 0;
    lines = Wall(-1000, -100000, 300000, 50000);
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[1] + lines[2], "MoveToEx -7277095 2740LineTo 485 400");
    EXPECT_EQ(Segments(Wall(300000, 50000, -1000, -100000)), Segments(lines));
}

TEST_F(ProjectWallTest, FillDrawsOnlyTheColumnsOnTheSurface) {
    fillWalls = true;
    // Both ends a thousandth in front project millions of columns apart.
    const auto columns = Matching(Wall(50.001f, 40, 50.001f, 60), "LineTo");
    ASSERT_EQ(columns.size(), 800u);
    EXPECT_TRUE(columns.front().starts_with("LineTo 0 "));
    EXPECT_TRUE(columns.back().starts_with("LineTo 799 "));
    // Offsets -102 to 102 against half-width 75: -75 to 74 remain.
    TestSurface narrow(150, 800);
    clientWidth = narrow.width;
    const auto moves = Matching(Wall(100, 40, 100, 60, 128, 0, &narrow), "MoveToEx");
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
