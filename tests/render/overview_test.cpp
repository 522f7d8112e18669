#include "render/overview.h"

#include <gtest/gtest.h>

#include "render/overview_transform.h"
#include "tests/render/render_support.h"

namespace {

class FrameTest : public RenderTest {
protected:
    FrameTest() : RenderTest(320, 240) {}
    void SetUp() override {
        RenderTest::SetUp();
        level.dc = NULL;  // the frame sets it
        playerX = 50;
        playerY = 50;
        map.vertexes = {{100, 100}, {200, 100}, {150, 180}};
        map.linedefs = {{0, 2, 0, 0, 0, {}}, {2, 9, 0, 0, 0, {}}};
        map.things = {{120, 20, 0, 0, 0}};
        // No nodes: the walk draws subsector 0, one seg from vertex 0 to 1.
        map.segs = {{0, 1, 0, -1, 0, 0}};
        map.subsectors = {{1, 0}};
    }

    std::vector<std::string> Frame() {
        map.Attach(&level);
        return Trace([&] { DrawOverview(surface.dc, &level); });
    }
    // The squares after the clear: vertexes, things, then the player.
    std::vector<std::string> Squares() {
        auto squares = Matching(Frame(), "Rectangle");
        squares.erase(squares.begin());
        return squares;
    }

    TestMap map;
};

TEST_F(FrameTest, StackingOrder) {
    EXPECT_EQ(Frame(),
              (std::vector<std::string>{
                  "Rectangle 0 0 320 240",
                  "DrawTextA \"MaxDepth 100 MaxDraw 250 Player (50,50)\" 0 0 320 50 0",
                  "SelectObject pen solid 0 0x00000000",  // the stock black pen
                  // Vertexes 0 and 2, not 1; linedef 0, not 1, which has no end.
                  "Rectangle 97 97 103 103", "Rectangle 147 177 153 183", "MoveToEx 100 100",
                  "LineTo 150 180", PenLine("solid", 0, 0x0000FF),
                  "Rectangle 117 17 123 23",  // the thing
                  // Subsector 0 as the root, its seg without a wall.
                  kSegPenLine, kSegPenLine, "MoveToEx 100 100", "LineTo 200 100",
                  // The player on top, facing angle 0: straight down.
                  kSegPenLine, "Rectangle 44 44 56 56", "MoveToEx 50 50", "LineTo 50 51"}));
    EXPECT_EQ(level.dc, surface.dc);
    EXPECT_EQ(drawCount, 1);
}

TEST_F(FrameTest, SquaresAreTruncatedAfterTheirOffset) {
    map.vertexes = {{-15, 0}};
    level.scale = 1;  // x -15 lands at -1.5
    EXPECT_EQ(Squares()[0], "Rectangle -4 -3 1 3");
    // Scale 0 puts every map point at the origin.
    map.vertexes = {{100, 100}, {200, 100}, {150, 180}};
    level.scale = 0;
    const auto squares = Squares();
    EXPECT_EQ(std::vector<std::string>(squares.begin(), squares.begin() + 3),
              std::vector<std::string>(3, "Rectangle -3 -3 3 3"));
}

TEST_F(FrameTest, PlayerIsTruncatedTowardZeroAndTheTickFollowsTheAngle) {
    playerX = -0.7f;
    playerY = 3.9f;
    auto lines = Frame();
    EXPECT_EQ(lines[1], "DrawTextA \"MaxDepth 100 MaxDraw 250 Player (0,3)\" 0 0 320 50 0");
    EXPECT_EQ(lines[lines.size() - 3], "Rectangle -6 -2 5 9");
    playerX = 50;
    playerY = 50;
    for (auto [angle, end] : {std::pair{0.1f, "LineTo 50 50"},  // no length
                              {1.5707964f, "LineTo 51 50"}}) {  // sine to x: turns right
        playerAngle = angle;
        lines = Frame();
        EXPECT_EQ(lines[lines.size() - 2], "MoveToEx 50 50");
        EXPECT_EQ(lines.back(), end) << angle;
    }
}

// The sum rounded to f32, then divided by ten: the quotient computed in
// double precision and rounded once to f32 is the same correctly rounded
// value, which multiplying by 0.1f is not.
TEST(OverviewCoordinateTest, SumThenDivisionByTen) {
    for (float scale : {2.5f, 1.0f, 0.3f, 7.75f}) {
        for (int x = -5000; x <= 5000; x += 7) {
            const float sum = static_cast<float>(x) * scale + 1180 * scale;
            EXPECT_EQ(OverviewCoordinate(x, scale, 1180 * scale), float(double(sum) / 10)) << x;
        }
    }
}

}  // namespace
