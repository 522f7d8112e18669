#include "render/subsector_drawing.h"

#include <gtest/gtest.h>

#include "tests/render/render_support.h"
#include "tests/support/captured_output.h"

namespace {

using Lines = std::vector<std::string>;

// A wall from (100, 40) to (100, 60), 50 in front of a player at (50, 50):
// a front sector 128 high, projecting to rows 73 and 727 of an 800 x 800
// surface, and a back sector 64 high, to rows 237 and 563.
class SubsectorTest : public RenderTest {
protected:
    SubsectorTest() : RenderTest(800, 800) {}
    void SetUp() override {
        RenderTest::SetUp();
        playerX = 50;
        playerY = 50;
        map.vertexes = {{100, 40}, {100, 60}};
        map.sectors = {{0, 128, {}, {}, 0, 0, 0}, {0, 64, {}, {}, 0, 0, 0}};
        map.sidedefs.resize(2);
        map.sidedefs[1].sector = 1;
        map.linedefs = {{0, 0, 0, 0, 0, {0, 1}}};
        // The front and the back of linedef 0. Damaged references are the
        // hardening catalogue's.
        map.segs = {{0, 1, 0, 0, 0, 0}, {0, 1, 0, 0, 1, 0}};
        map.subsectors = {{1, 0}, {1, 1}, {0, 0}};
        map.Attach(&level);
    }

    Lines Draw(int16_t index) {
        return Trace([&] { DrawSubsector(&level, index); });
    }

    TestMap map;
    const Lines segLine = {kSegPenLine, "MoveToEx 100 40", "LineTo 100 60"};
};

TEST_F(SubsectorTest, SegLineThenItsWallEachWithTheNextPen) {
    auto lines = Draw(0);
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_EQ(Lines(lines.begin(), lines.begin() + 3), segLine);
    EXPECT_EQ(lines[3], WallPenLine(1));
    EXPECT_EQ(lines[4], "MoveToEx 298 73");  // the front sector
    // A back-side seg takes the sector behind its linedef.
    lines = Draw(1);
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_EQ(lines[3], WallPenLine(2));
    EXPECT_EQ(lines[4] + lines[6], "MoveToEx 298 237MoveToEx 298 563");
    EXPECT_EQ(drawCount, 2);
}

TEST_F(SubsectorTest, OverviewLineIsTruncatedWhileTheWallUsesTheExactEnds) {
    // Scale 1: the ends lie at x 10.9, 10.9 in front of a player at the
    // origin; projected from 10 the wall would start at column -112.
    map.vertexes = {{109, -100}, {109, 100}};
    map.Attach(&level);
    level.scale = 1;
    playerX = 0;
    playerY = 0;
    const auto lines = Draw(0);
    EXPECT_EQ(lines[1] + lines[2], "MoveToEx 10 -10LineTo 10 10");
    EXPECT_TRUE(lines[4].starts_with("MoveToEx -69 "));
}

TEST_F(SubsectorTest, DrawLimitAndBadIndexes) {
    EXPECT_EQ(Draw(2), Lines{});  // empty, and still counted
    EXPECT_EQ(drawCount, 1);
    for (int i = 1; i < 250; i++) DrawSubsector(&level, 0);
    EXPECT_EQ(drawCount, 250);
    EXPECT_EQ(Draw(0), Lines{});
    EXPECT_EQ(drawCount, 250);
    for (int limit : {0, -1}) {
        level.maxDraw = limit;
        drawCount = 0;
        EXPECT_EQ(Draw(0), Lines{});
        EXPECT_EQ(drawCount, 0);
        // A bad index fails before the limit is tested.
        for (int16_t index : {int16_t{3}, int16_t{-1}}) {
            Lines lines;
            EXPECT_EQ(CaptureStdout([&] { lines = Draw(index); }), "Fail\r\n");
            EXPECT_EQ(lines, Lines{});
        }
        EXPECT_EQ(drawCount, 0);
    }
}

}  // namespace
