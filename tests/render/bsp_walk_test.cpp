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

    // Subsector k gets one seg from vertex k at x 1000 + k, so that the trace
    // tells which subsectors were drawn; its linedef is missing: no wall.
    void AddSubsectors(int count) {
        for (int k = static_cast<int>(map.subsectors.size()); count-- > 0; k++) {
            map.vertexes.push_back({static_cast<int16_t>(1000 + k), 0});
            map.segs.push_back({static_cast<int16_t>(k), static_cast<int16_t>(k), 0, -1, 0, 0});
            map.subsectors.push_back({1, static_cast<int16_t>(k)});
        }
    }

    std::vector<std::string> Trace(uint16_t root, const MapNode* nodes = nullptr) {
        map.Attach(&level);
        if (nodes != nullptr) level.nodes = nodes;
        drawCount = 0;  // each walk starts a frame's count afresh
        return ::Trace([&] { WalkBspNode(&level, root, 0); });
    }

    // Labels as "P<depth>" and subsectors as "S<index>", in drawing order.
    std::vector<std::string> Walk(uint16_t root, const MapNode* nodes = nullptr) {
        const auto lines = Trace(root, nodes);
        std::vector<std::string> events;
        for (size_t i = 0; i < lines.size(); i++) {
            if (lines[i].starts_with("DrawTextA \"")) {
                events.push_back(lines[i].substr(11, lines[i].find('"', 11) - 11));
            } else if (lines[i] == kSegPenLine) {
                events.push_back("S");
                events.back() += std::to_string(std::stoi(lines[i + 1].substr(9)) - 1000);
            }
        }
        return events;
    }

    // Root node 1: right child node 0, left child subsector 2; node 0:
    // subsectors 0 and 1. Partitions run up the y axis: a player at
    // positive x is on the right (side 0).
    void SmallTree() {
        AddSubsectors(3);
        map.nodes = {Node(0, 0, 0, 1, 0x8000, 0x8001), Node(0, 0, 0, 1, 0, 0x8002)};
    }

    // Node k > 0 has node k - 1 as its right child, and as its left one too
    // if both; node 0 has subsector 0 on both sides.
    void Chain(int length, bool both) {
        AddSubsectors(1);
        map.nodes.push_back(Node(0, 0, 0, 1, 0x8000, 0x8000));
        for (int k = 1; k < length; k++) {
            const auto child = static_cast<uint16_t>(k - 1);
            map.nodes.push_back(Node(0, 0, 0, 1, child, both ? child : 0x8000));
        }
        level.maxDepth = INT32_MAX;
    }

    TestMap map;
};

TEST_F(WalkTest, SideOfThePartition) {
    const struct {
        int x, y, dx, dy;
        float px, py;
        int side;
    } cases[] = {
        {100, 0, 0, 50, 100, 0, 1},    {100, 0, 0, 50, 99, 0, 1},
        {100, 0, 0, 50, 100.5f, 0, 0}, {100, 0, 0, -50, 100, 0, 0},
        {100, 0, 0, -50, 99, 0, 0},    {100, 0, 0, -50, 100.5f, 0, 1},
        {0, 0, 64, 0, 5, 0, 0},        {0, 0, 64, 0, 5, -10, 0},
        {0, 0, 64, 0, 5, 10, 1},       {0, 0, -64, 0, 5, 0, 1},
        {0, 0, -64, 0, 5, 10, 0},      {0, 0, 1, 1, 1, 1, 1},  // on the line
        {0, 0, 1, 1, 2, 1, 0},         {0, 0, 1, 1, 1, 2, 1},
    };
    level.maxDepth = 1;
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y << " " << c.dx << "," << c.dy
                                        << " from " << c.px << "," << c.py);
        playerX = c.px;
        playerY = c.py;
        map.nodes = {Node(c.x, c.y, c.dx, c.dy, 0x8000, 0x8000)};
        EXPECT_EQ(Trace(0).at(0), c.side == 0 ? WallPenLine(5) : DottedPenLine(5));
    }
}

TEST_F(WalkTest, LabelAndLineOfTheRoot) {
    map.nodes = {Node(100, 40, 0, 50, 0x8000, 0x8000)};
    level.maxDepth = 1;
    level.scale = 20;  // doubles every coordinate
    EXPECT_EQ(Trace(0),
              (std::vector<std::string>{DottedPenLine(5), "DrawTextA \"P1\" 200 55 400 80 0",
                                        "MoveToEx 200 80", "LineTo 200 180"}));
}

TEST_F(WalkTest, NearChildFirstThenFarWithPensAndLabelsByDepthAndSide) {
    SmallTree();
    level.drawAllNodes = 1;
    EXPECT_EQ(Walk(1), (std::vector<std::string>{"P1", "P2", "S0", "S1", "S2"}));
    const auto pens = Matching(Trace(1), "SelectObject pen solid 2");
    ASSERT_EQ(pens.size(), 2u);
    EXPECT_EQ(pens[0], WallPenLine(5));
    EXPECT_EQ(pens[1], WallPenLine(10));
    playerX = -10;  // the left side: the leaf comes first
    EXPECT_EQ(Walk(1), (std::vector<std::string>{"P1", "S2", "P2", "S1", "S0"}));
}

TEST_F(WalkTest, FarChildOnlyWhereThePlayerCellTouchesItsBox) {
    SmallTree();
    EXPECT_EQ(Walk(1), (std::vector<std::string>{"P1", "P2", "S0"}));
    // Node 0's left box reaches x 11, the right edge of the cell 10 to 11.
    const int16_t touching[4] = {5, -5, 11, 40};
    memcpy(map.nodes[0].bbox[1], touching, sizeof touching);
    EXPECT_EQ(Walk(1), (std::vector<std::string>{"P1", "P2", "S0", "S1"}));
    // The same, read from nodes at an odd address as in the file.
    std::vector<uint8_t> image(1 + map.nodes.size() * sizeof(MapNode));
    memcpy(image.data() + 1, map.nodes.data(), map.nodes.size() * sizeof(MapNode));
    EXPECT_EQ(Walk(1, reinterpret_cast<const MapNode*>(image.data() + 1)),
              (std::vector<std::string>{"P1", "P2", "S0", "S1"}));
    EXPECT_EQ(drawCount, 2);
}

TEST_F(WalkTest, DepthAndDrawLimits) {
    SmallTree();
    level.drawAllNodes = 1;
    const struct {
        int depth;
        std::vector<std::string> events;
    } cases[] = {
        {0, {"P1"}}, {1, {"P1"}}, {2, {"P1", "P2", "S2"}}, {3, {"P1", "P2", "S0", "S1", "S2"}}};
    for (const auto& c : cases) {
        level.maxDepth = c.depth;
        EXPECT_EQ(Walk(1), c.events) << c.depth;
    }
    // Partition lines go on after the draw limit.
    level.maxDraw = 1;
    playerX = -10;
    EXPECT_EQ(Walk(1), (std::vector<std::string>{"P1", "S2", "P2"}));
}

TEST_F(WalkTest, NodesDeeperThanFiftyTakeTheLastPen) {
    Chain(52, false);
    const auto pens = Matching(Trace(51), "SelectObject pen solid 2");
    ASSERT_EQ(pens.size(), 52u);
    EXPECT_EQ(pens[49], WallPenLine(250));  // depth 50
    EXPECT_EQ(pens[50], WallPenLine(254));
    EXPECT_EQ(pens[51], WallPenLine(254));
}

TEST_F(WalkTest, LeafReferences) {
    SmallTree();
    AddSubsectors(3);  // subsectors 3 to 5
    EXPECT_EQ(Walk(0xFFFF), std::vector<std::string>{"S0"});
    EXPECT_EQ(Walk(0x8005), std::vector<std::string>{"S5"});
    EXPECT_EQ(Walk(0x7FFF), std::vector<std::string>{});
    level.maxDepth = 0;  // no limit applies to a leaf
    EXPECT_EQ(Walk(0x8003), std::vector<std::string>{"S3"});
}

// Cycles and children past the table are the hardening catalogue's.
TEST_F(WalkTest, SharedChildrenAreWalkedOnce) {
    // Node k has node k - 1 for both children: 2^40 paths, 40 nodes.
    Chain(40, true);
    level.drawAllNodes = 1;
    const auto events = Walk(39);
    // Node 0's two leaves are both subsector 0: counted twice, drawn once.
    EXPECT_EQ(events.size(), 41u);
    EXPECT_EQ(events[39], "P40");
    EXPECT_EQ(drawCount, 2);
}

TEST_F(WalkTest, DeepestChainOfNodesDoesNotOverflowTheStack) {
    Chain(32768, false);  // each the near child of the next
    const auto events = Walk(32767);
    ASSERT_EQ(events.size(), 32769u);
    EXPECT_EQ(events[32767], "P32768");
    EXPECT_EQ(events.back(), "S0");
}

TEST(PlayerInNodeBoxTest, CellTruncatesTowardZeroAndTouchingCounts) {
    // (-0.5, 10.2): the cell is x 0 to 1, y 10 to 11. At y -10.7 it is -10
    // to -9, not -11 to -10. 65536.5 keeps the low 16 bits of 65536: 0.
    const struct {
        float x, y;
        int16_t box[4];
        bool in;
    } cases[] = {
        {-0.5f, 10.2f, {0, 20, 1, 5}, true},       {-0.5f, 10.2f, {20, 0, 5, 1}, true},
        {-0.5f, 10.2f, {0, 20, 2, 5}, false},      {-0.5f, 10.2f, {12, 20, -5, 5}, false},
        {-0.5f, 10.2f, {-3, 10, -5, 5}, true},     {-0.5f, -10.7f, {-9, -5, -5, 5}, true},
        {-0.5f, -10.7f, {-20, -11, -5, 5}, false}, {65536.5f, 0, {0, 1, 0, 1}, true},
    };
    for (const auto& c : cases) {
        playerX = c.x;
        playerY = c.y;
        EXPECT_EQ(PlayerInNodeBox(c.box), c.in)
            << c.x << "," << c.y << " " << c.box[0] << " " << c.box[1] << " " << c.box[2];
    }
}

}  // namespace
