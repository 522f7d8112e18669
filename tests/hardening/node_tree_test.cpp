// Damaged node trees read from a file: the walk ends, and draws what the
// valid references reach.
#include <gtest/gtest.h>

#include "tests/hardening/map_file_frame.h"

namespace {

class NodeTreeTest : public MapFileFrameTest {
protected:
    TestMap room = SquareRoom();
};

TEST_F(NodeTreeTest, ChildPastTheNodeTableIsSkipped) {
    room.nodes[0].children[1] = 5;
    EXPECT_EQ(LoadAndDraw(MapFile(room)), (FrameSummary{4, 3, 3, 1, ""}));
}

TEST_F(NodeTreeTest, SubsectorPastItsTableFailsAndTheOtherChildIsDrawn) {
    room.nodes[0].children[1] = 0x8009;
    EXPECT_EQ(LoadAndDraw(MapFile(room)), (FrameSummary{4, 3, 3, 1, "Fail\r\n"}));
}

TEST_F(NodeTreeTest, CycleThroughTheRootEndsWithEachNodeDrawnOnce) {
    // The root, node 1, leads to node 0, whose second child is the root.
    room.nodes = {Node(32, 0, 0, 128, 0x8000, 1), Node(64, 0, 0, 128, 0, 0x8001)};
    level.maxDepth = 1000000;  // F2 has no upper bound
    EXPECT_EQ(LoadAndDraw(MapFile(room)), (FrameSummary{4, 6, 6, 2, ""}));
}

TEST_F(NodeTreeTest, MapWithoutNodesDrawsSubsectorZero) {
    room.nodes.clear();
    EXPECT_EQ(LoadAndDraw(MapFile(room)), (FrameSummary{4, 3, 3, 0, ""}));
}

}  // namespace
