#include "render/bsp_walk.h"

#include <gtest/gtest.h>

#include <cstring>

#include "tests/render/render_support.h"

namespace {

class WalkTest : public RenderTest {
protected:
    WalkTest() : RenderTest(64, 64) {}
    void SetUp() override {
        RenderTest::SetUp();
        playerX = 10;
    }

    // Subsector k gets one seg from vertex k, at x 1000 + k, so that the
    // trace tells which subsectors were drawn; its linedef is missing, so
    // it draws no wall.
    void AddSubsectors(int count) {
        for (int k = 0; k < count; k++) {
            map.vertexes.push_back({static_cast<int16_t>(1000 + k), 0});
            map.segs.push_back({static_cast<int16_t>(k), static_cast<int16_t>(k), 0, -1, 0, 0});
            map.subsectors.push_back({1, static_cast<int16_t>(k)});
        }
    }

    // Labels as "P<depth>" and subsectors as "S<index>", in drawing order.
    // Each walk starts a frame's count afresh.
    std::vector<std::string> Walk(uint16_t root) {
        map.Attach(&level);
        drawCount = 0;
        const auto lines = surface.Trace([&] { WalkBspNode(&level, root, 0); });
        std::vector<std::string> events;
        for (size_t i = 0; i < lines.size(); i++) {
            if (lines[i].rfind("DrawTextA \"", 0) == 0) {
                events.push_back(lines[i].substr(11, lines[i].find('"', 11) - 11));
            } else if (lines[i] == kSegPenLine) {
                std::string subsector = "S";
                subsector += std::to_string(std::stoi(lines[i + 1].substr(9)) - 1000);
                events.push_back(subsector);
            }
        }
        return events;
    }

    // Root node 1: right child node 0, left child subsector 2; node 0:
    // subsectors 0 and 1. Every partition runs up the y axis, so a player
    // at positive x is on the right (side 0).
    void SmallTree() {
        AddSubsectors(3);
        map.nodes = {Node(0, 0, 0, 1, 0x8000, 0x8001), Node(0, 0, 0, 1, 0, 0x8002)};
    }

    int SideOf(const MapNode& node, float x, float y) {
        playerX = x;
        playerY = y;
        map.nodes = {node};
        level.maxDepth = 1;
        map.Attach(&level);
        const auto lines = surface.Trace([&] { WalkBspNode(&level, 0, 0); });
        if (lines.empty()) return -1;
        if (lines[0] == WallPenLine(5)) return 0;
        if (lines[0] == DottedPenLine(5)) return 1;
        ADD_FAILURE() << lines[0];
        return -1;
    }

    TestMap map;
};

TEST_F(WalkTest, SideOfAVerticalPartition) {
    EXPECT_EQ(SideOf(Node(100, 0, 0, 50, 0x8000, 0x8000), 100, 0), 1);
    EXPECT_EQ(SideOf(Node(100, 0, 0, 50, 0x8000, 0x8000), 99, 0), 1);
    EXPECT_EQ(SideOf(Node(100, 0, 0, 50, 0x8000, 0x8000), 100.5f, 0), 0);
    EXPECT_EQ(SideOf(Node(100, 0, 0, -50, 0x8000, 0x8000), 100, 0), 0);
    EXPECT_EQ(SideOf(Node(100, 0, 0, -50, 0x8000, 0x8000), 99, 0), 0);
    EXPECT_EQ(SideOf(Node(100, 0, 0, -50, 0x8000, 0x8000), 100.5f, 0), 1);
}

TEST_F(WalkTest, SideOfAHorizontalPartition) {
    EXPECT_EQ(SideOf(Node(0, 0, 64, 0, 0x8000, 0x8000), 5, 0), 0);
    EXPECT_EQ(SideOf(Node(0, 0, 64, 0, 0x8000, 0x8000), 5, -10), 0);
    EXPECT_EQ(SideOf(Node(0, 0, 64, 0, 0x8000, 0x8000), 5, 10), 1);
    EXPECT_EQ(SideOf(Node(0, 0, -64, 0, 0x8000, 0x8000), 5, 0), 1);
    EXPECT_EQ(SideOf(Node(0, 0, -64, 0, 0x8000, 0x8000), 5, 10), 0);
}

TEST_F(WalkTest, SideOfADiagonalPartition) {
    EXPECT_EQ(SideOf(Node(0, 0, 1, 1, 0x8000, 0x8000), 1, 1), 1);  // on the line
    EXPECT_EQ(SideOf(Node(0, 0, 1, 1, 0x8000, 0x8000), 2, 1), 0);
    EXPECT_EQ(SideOf(Node(0, 0, 1, 1, 0x8000, 0x8000), 1, 2), 1);
}

TEST_F(WalkTest, LabelAndLineOfTheRoot) {
    map.nodes = {Node(100, 40, 0, 50, 0x8000, 0x8000)};
    level.maxDepth = 1;
    level.scale = 20;  // doubles every coordinate
    map.Attach(&level);
    const auto lines = surface.Trace([&] { WalkBspNode(&level, 0, 0); });
    EXPECT_EQ(lines, (std::vector<std::string>{DottedPenLine(5), "DrawTextA \"P1\" 200 55 400 80 0",
                                               "MoveToEx 200 80", "LineTo 200 180"}));
}

TEST_F(WalkTest, PartitionEndIsNotWrappedToSixteenBits) {
    map.nodes = {Node(32000, 0, 1000, 0, 0x8000, 0x8000)};
    level.maxDepth = 1;
    map.Attach(&level);
    const auto lines = surface.Trace([&] { WalkBspNode(&level, 0, 0); });
    EXPECT_EQ(lines.back(), "LineTo 33000 0");
}

TEST_F(WalkTest, NearChildFirstThenFarChildWhenAllNodesAreDrawn) {
    SmallTree();
    level.drawAllNodes = 1;
    EXPECT_EQ(Walk(1), (std::vector<std::string>{"P1", "P2", "S0", "S1", "S2"}));
    playerX = -10;  // the left side: the leaf comes first
    EXPECT_EQ(Walk(1), (std::vector<std::string>{"P1", "S2", "P2", "S1", "S0"}));
}

TEST_F(WalkTest, ChildPensAndLabelsGoByDepthAndSide) {
    SmallTree();
    level.drawAllNodes = 1;
    map.Attach(&level);
    const auto lines = surface.Trace([&] { WalkBspNode(&level, 1, 0); });
    EXPECT_EQ(Matching(lines, "SelectObject pen solid 2")[0], WallPenLine(5));
    EXPECT_EQ(Matching(lines, "SelectObject pen solid 2")[1], WallPenLine(10));
    EXPECT_EQ(Matching(lines, "DrawTextA")[1].substr(0, 15), "DrawTextA \"P2\" ");
}

TEST_F(WalkTest, FarChildOnlyWhereThePlayerCellTouchesItsBox) {
    SmallTree();
    EXPECT_EQ(Walk(1), (std::vector<std::string>{"P1", "P2", "S0"}));
    // Node 0's left box reaches x 11, the right edge of the cell 10 to 11.
    map.nodes[0].bbox[1][0] = 5;
    map.nodes[0].bbox[1][1] = -5;
    map.nodes[0].bbox[1][2] = 11;
    map.nodes[0].bbox[1][3] = 40;
    EXPECT_EQ(Walk(1), (std::vector<std::string>{"P1", "P2", "S0", "S1"}));
}

TEST_F(WalkTest, DepthLimit) {
    SmallTree();
    level.drawAllNodes = 1;
    for (int limit : {0, 1}) {
        level.maxDepth = limit;
        EXPECT_EQ(Walk(1), std::vector<std::string>{"P1"}) << limit;
    }
    level.maxDepth = 2;
    EXPECT_EQ(Walk(1), (std::vector<std::string>{"P1", "P2", "S2"}));
    level.maxDepth = 3;
    EXPECT_EQ(Walk(1), (std::vector<std::string>{"P1", "P2", "S0", "S1", "S2"}));
}

TEST_F(WalkTest, PartitionLinesGoOnAfterTheDrawLimit) {
    SmallTree();
    level.drawAllNodes = 1;
    level.maxDraw = 1;
    playerX = -10;
    EXPECT_EQ(Walk(1), (std::vector<std::string>{"P1", "S2", "P2"}));
}

TEST_F(WalkTest, NodesDeeperThanFiftyTakeTheLastPen) {
    AddSubsectors(1);
    map.nodes.push_back(Node(0, 0, 0, 1, 0x8000, 0x8000));
    for (int k = 1; k < 52; k++) {
        map.nodes.push_back(Node(0, 0, 0, 1, static_cast<uint16_t>(k - 1), 0x8000));
    }
    map.Attach(&level);
    const auto pens =
        Matching(surface.Trace([&] { WalkBspNode(&level, 51, 0); }), "SelectObject pen solid 2");
    ASSERT_EQ(pens.size(), 52u);
    EXPECT_EQ(pens[49], WallPenLine(250));  // depth 50
    EXPECT_EQ(pens[50], WallPenLine(254));
    EXPECT_EQ(pens[51], WallPenLine(254));
}

TEST_F(WalkTest, LeafReferences) {
    AddSubsectors(6);
    EXPECT_EQ(Walk(0xFFFF), std::vector<std::string>{"S0"});
    EXPECT_EQ(Walk(0x8005), std::vector<std::string>{"S5"});
    level.maxDepth = 0;  // no limit applies to a leaf
    EXPECT_EQ(Walk(0x8003), std::vector<std::string>{"S3"});
}

TEST_F(WalkTest, ChildOutsideTheNodeTableIsSkipped) {
    SmallTree();
    level.drawAllNodes = 1;
    map.nodes[1].children[1] = 7;
    EXPECT_EQ(Walk(1), (std::vector<std::string>{"P1", "P2", "S0", "S1"}));
    EXPECT_EQ(Walk(0x7FFF), std::vector<std::string>{});
}

TEST_F(WalkTest, NodesAtAnOddAddressAsInTheFile) {
    SmallTree();
    map.nodes[0].bbox[1][0] = 5;  // node 0's far box touches the player
    map.nodes[0].bbox[1][1] = -5;
    map.nodes[0].bbox[1][2] = 11;
    map.nodes[0].bbox[1][3] = 40;
    std::vector<uint8_t> image(1 + map.nodes.size() * sizeof(MapNode));
    memcpy(image.data() + 1, map.nodes.data(), map.nodes.size() * sizeof(MapNode));
    map.Attach(&level);
    level.nodes = reinterpret_cast<const MapNode*>(image.data() + 1);
    drawCount = 0;
    const auto lines = surface.Trace([&] { WalkBspNode(&level, 1, 0); });
    EXPECT_EQ(Matching(lines, "DrawTextA").size(), 2u);
    EXPECT_EQ(drawCount, 2);
}

TEST_F(WalkTest, NodeThatIsItsOwnChildIsDrawnOnce) {
    AddSubsectors(1);
    map.nodes = {Node(0, 0, 0, 1, 0, 0)};
    level.drawAllNodes = 1;
    level.maxDepth = INT32_MAX;
    EXPECT_EQ(Walk(0), std::vector<std::string>{"P1"});
}

TEST_F(WalkTest, SharedChildrenDoNotBranchWithoutEnd) {
    // Node k has node k - 1 for both children: 2^40 paths, 40 nodes.
    AddSubsectors(1);
    map.nodes.push_back(Node(0, 0, 0, 1, 0x8000, 0x8000));
    for (int k = 1; k < 40; k++) {
        map.nodes.push_back(Node(0, 0, 0, 1, static_cast<uint16_t>(k - 1), static_cast<uint16_t>(k - 1)));
    }
    level.drawAllNodes = 1;
    level.maxDepth = INT32_MAX;
    const auto events = Walk(39);
    // Node 0's two leaves are both subsector 0: counted twice, its one seg
    // drawn once.
    EXPECT_EQ(events.size(), 41u);
    EXPECT_EQ(events[39], "P40");
    EXPECT_EQ(drawCount, 2);
}

TEST_F(WalkTest, DeepestChainOfNodesDoesNotOverflowTheStack) {
    // 32768 nodes, each the near child of the next: the deepest valid tree.
    AddSubsectors(1);
    map.nodes.push_back(Node(0, 0, 0, 1, 0x8000, 0x8000));
    for (int k = 1; k < 32768; k++) {
        map.nodes.push_back(Node(0, 0, 0, 1, static_cast<uint16_t>(k - 1), 0x8000));
    }
    level.maxDepth = INT32_MAX;
    const auto events = Walk(32767);
    ASSERT_EQ(events.size(), 32769u);
    EXPECT_EQ(events[32767], "P32768");
    EXPECT_EQ(events.back(), "S0");
}

TEST(PlayerInNodeBoxTest, CellTruncatesTowardZeroAndTouchingCounts) {
    // Player (-0.5, 10.2): the cell runs from x 0 to 1 and y 10 to 11.
    playerX = -0.5f;
    playerY = 10.2f;
    const int16_t touching[4] = {0, 20, 1, 5};
    const int16_t swapped[4] = {20, 0, 5, 1};
    const int16_t apart[4] = {0, 20, 2, 5};
    const int16_t below[4] = {12, 20, -5, 5};
    const int16_t aboveTouching[4] = {-3, 10, -5, 5};
    EXPECT_TRUE(PlayerInNodeBox(touching));
    EXPECT_TRUE(PlayerInNodeBox(swapped));
    EXPECT_FALSE(PlayerInNodeBox(apart));
    EXPECT_FALSE(PlayerInNodeBox(below));
    EXPECT_TRUE(PlayerInNodeBox(aboveTouching));

    // At y -10.7 the cell is -10 to -9, not -11 to -10.
    playerY = -10.7f;
    const int16_t fromMinusNine[4] = {-9, -5, -5, 5};
    EXPECT_TRUE(PlayerInNodeBox(fromMinusNine));
    const int16_t toMinusEleven[4] = {-20, -11, -5, 5};
    EXPECT_FALSE(PlayerInNodeBox(toMinusEleven));
}

TEST(PlayerInNodeBoxTest, CellKeepsTheLowSixteenBits) {
    playerX = 65536.5f;  // truncates to 65536, whose low 16 bits are 0
    playerY = 0;
    const int16_t atOrigin[4] = {0, 1, 0, 1};
    EXPECT_TRUE(PlayerInNodeBox(atOrigin));
}

}  // namespace
