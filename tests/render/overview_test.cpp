#include "render/overview.h"

#include <gtest/gtest.h>

#include "tests/render/render_support.h"
#include "tests/support/captured_output.h"

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
        map.linedefs = {Linedef(0, 2), Linedef(2, 9)};
        map.things = {{120, 20, 0, 0, 0}};
        // No nodes: the walk draws subsector 0, one seg from vertex 0 to 1.
        map.segs = {{0, 1, 0, -1, 0, 0}};
        map.subsectors = {{1, 0}};
        map.Attach(&level);
    }

    static MapLinedef Linedef(int start, int end) {
        MapLinedef linedef{};
        linedef.startVertex = static_cast<int16_t>(start);
        linedef.endVertex = static_cast<int16_t>(end);
        return linedef;
    }

    std::vector<std::string> Frame() {
        map.Attach(&level);
        return surface.Trace([&] { DrawOverview(surface.dc(), &level); });
    }

    TestMap map;
};

TEST_F(FrameTest, StackingOrder) {
    EXPECT_EQ(Frame(),
              (std::vector<std::string>{
                  "Rectangle 0 0 320 240",
                  "DrawTextA \"MaxDepth 100 MaxDraw 250 Player (50,50)\" 0 0 320 50 0",
                  "SelectObject pen solid 0 0x00000000",  // the stock black pen
                  "Rectangle 97 97 103 103",    // vertex 0
                  "Rectangle 147 177 153 183",  // vertex 2; vertex 1 has none
                  "MoveToEx 100 100",           // linedef 0; linedef 1 has no end
                  "LineTo 150 180",
                  PenLine("solid", 0, 0x0000FF),
                  "Rectangle 117 17 123 23",  // the thing
                  kSegPenLine,
                  kSegPenLine,  // subsector 0 as the root, its seg without a wall
                  "MoveToEx 100 100",
                  "LineTo 200 100",
                  kSegPenLine,
                  "Rectangle 44 44 56 56",  // the player, on top
                  "MoveToEx 50 50",
                  "LineTo 50 51",
              }));
    EXPECT_STREQ(statusText, "MaxDepth 100 MaxDraw 250 Player (50,50)");
    EXPECT_EQ(level.dc, surface.dc());
    EXPECT_EQ(drawCount, 1);
}

TEST_F(FrameTest, WhatTheUserSees) {
    map.linedefs = {Linedef(0, 1)};
    playerX = 150;
    playerY = 100;  // the marker sits on the linedef and covers it
    Frame();
    EXPECT_EQ(surface.Pixel(0, 239), 0x000000u);  // the border of the clear
    EXPECT_EQ(surface.Pixel(319, 239), 0x000000u);
    EXPECT_EQ(surface.Pixel(0, 0), 0xFFFFFFu);  // under the status line's opaque cells
    EXPECT_EQ(surface.Pixel(160, 200), 0xFFFFFFu);  // the cleared inside
    EXPECT_EQ(surface.Pixel(147, 98), 0xFFFFFFu);   // inside the marker
    EXPECT_EQ(surface.Pixel(144, 100), 0xFF0000u);  // its blue border
    EXPECT_EQ(surface.Pixel(120, 100), 0xFF0000u);  // the seg over the linedef
    EXPECT_EQ(surface.Pixel(150, 177), 0x000000u);  // a vertex square's top
    EXPECT_EQ(surface.Pixel(148, 178), 0xFFFFFFu);  // filled white
}

TEST_F(FrameTest, EveryOtherVertexGetsASquare) {
    map.linedefs.clear();
    map.things.clear();
    for (size_t count : {5u, 2u, 1u}) {
        map.vertexes = {{0, 0}, {10, 0}, {20, 0}, {30, 0}, {40, 0}};
        map.vertexes.resize(count);
        auto squares = Matching(Frame(), "Rectangle");
        squares.erase(squares.begin());  // the clear
        squares.pop_back();              // the player
        std::vector<std::string> expected = {"Rectangle -3 -3 3 3", "Rectangle 17 -3 23 3",
                                             "Rectangle 37 -3 43 3"};
        expected.resize((count + 1) / 2);
        EXPECT_EQ(squares, expected) << count;
    }
}

TEST_F(FrameTest, SquaresAreTruncatedAfterTheirOffset) {
    map.vertexes = {{-15, 0}};
    level.scale = 1;  // x -15 lands at -1.5
    EXPECT_EQ(Matching(Frame(), "Rectangle")[1], "Rectangle -4 -3 1 3");
    // E1M1's view: map x -768 lands at 103.0.
    map.vertexes = {{-768, -4880}};
    level.scale = 2.5f;
    level.offsetX = 1180;
    level.offsetY = 4880;
    EXPECT_EQ(Matching(Frame(), "Rectangle")[1], "Rectangle 100 -3 106 3");
}

TEST_F(FrameTest, PlayerIsTruncatedTowardZero) {
    playerX = -0.7f;
    playerY = 3.9f;
    const auto lines = Frame();
    EXPECT_EQ(lines[1], "DrawTextA \"MaxDepth 100 MaxDraw 250 Player (0,3)\" 0 0 320 50 0");
    EXPECT_EQ(lines[lines.size() - 3], "Rectangle -6 -2 5 9");
}

TEST_F(FrameTest, FacingTick) {
    playerAngle = 0;
    auto lines = Frame();
    EXPECT_EQ(lines[lines.size() - 2], "MoveToEx 50 50");
    EXPECT_EQ(lines.back(), "LineTo 50 51");  // straight down
    playerAngle = 0.1f;
    lines = Frame();
    EXPECT_EQ(lines.back(), "LineTo 50 50");  // no length
    playerAngle = 1.5707964f;  // sine to x: the tick turns right
    lines = Frame();
    EXPECT_EQ(lines.back(), "LineTo 51 50");
}

TEST_F(FrameTest, ScaleZeroPutsEveryMapPointAtTheOrigin) {
    level.scale = 0;
    level.offsetX = 1180;
    const auto squares = Matching(Frame(), "Rectangle");
    EXPECT_EQ(squares[1], "Rectangle -3 -3 3 3");
    EXPECT_EQ(squares[2], "Rectangle -3 -3 3 3");
    EXPECT_EQ(squares[3], "Rectangle -3 -3 3 3");
}

TEST_F(FrameTest, WithoutSubsectorsTheRootFails) {
    map.subsectors.clear();
    std::vector<std::string> lines;
    EXPECT_EQ(CaptureStdout([&] { lines = Frame(); }), "Fail\r\n");
    EXPECT_EQ(Matching(lines, kSegPenLine).size(), 2u);
}

}  // namespace
