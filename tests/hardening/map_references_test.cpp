// Map records whose references lead outside their tables, read from a file:
// the frame keeps everything that can still be drawn and skips the rest.
#include <gtest/gtest.h>

#include "tests/hardening/map_file_frame.h"

namespace {

class MapReferencesTest : public MapFileFrameTest {
protected:
    TestMap room = SquareRoom();
};

TEST_F(MapReferencesTest, TheUndamagedRoomDrawsEveryLineAndWall) {
    EXPECT_EQ(LoadAndDraw(MapFile(room)), (FrameSummary{4, 6, 6, 1, ""}));
}

TEST_F(MapReferencesTest, LinedefVertexOutsideTheTableLeavesOnlyThatLinedefOut) {
    room.linedefs[0].startVertex = 99;
    room.linedefs[2].endVertex = -1;
    // The walls find their sectors through the linedefs' sides, not vertexes.
    EXPECT_EQ(LoadAndDraw(MapFile(room)), (FrameSummary{2, 6, 6, 1, ""}));
}

TEST_F(MapReferencesTest, SegVertexOutsideTheTableLeavesTheSegAndItsWallOut) {
    room.segs[0].endVertex = 77;
    room.segs[3].startVertex = -1;
    EXPECT_EQ(LoadAndDraw(MapFile(room)), (FrameSummary{4, 4, 4, 1, ""}));
}

TEST_F(MapReferencesTest, SegLinedefOutsideTheTableKeepsTheSegLineWithoutAWall) {
    room.segs[2].linedef = 40;
    room.segs[5].linedef = -3;
    EXPECT_EQ(LoadAndDraw(MapFile(room)), (FrameSummary{4, 6, 4, 1, ""}));
}

TEST_F(MapReferencesTest, BackSideSegOfAOneSidedLinedefHasNoWall) {
    room.segs[4].side = 1;  // linedef 2's back side is -1
    EXPECT_EQ(LoadAndDraw(MapFile(room)), (FrameSummary{4, 6, 5, 1, ""}));
}

TEST_F(MapReferencesTest, SidedefIndexOutsideTheTableTakesTheWallsOfItsSegs) {
    room.linedefs[1].sideNum[0] = 50;  // segs 1 and 3
    room.linedefs[3].sideNum[0] = -7;  // segs 2 and 5
    EXPECT_EQ(LoadAndDraw(MapFile(room)), (FrameSummary{4, 6, 2, 1, ""}));
}

TEST_F(MapReferencesTest, SidedefSectorOutsideTheTableTakesTheWallsOfItsSegs) {
    room.sidedefs[2].sector = 300;  // seg 4
    room.sidedefs[0].sector = -1;   // seg 0
    EXPECT_EQ(LoadAndDraw(MapFile(room)), (FrameSummary{4, 6, 4, 1, ""}));
}

TEST_F(MapReferencesTest, SubsectorRangesAreCutToTheSegTable) {
    room.subsectors = {{3, -2}, {100, 3}};  // seg 0 only; segs 3 to 5
    EXPECT_EQ(LoadAndDraw(MapFile(room)), (FrameSummary{4, 4, 4, 1, ""}));
    room.subsectors = {{-5, 0}, {3, 32000}};
    EXPECT_EQ(LoadAndDraw(MapFile(room)), (FrameSummary{4, 0, 0, 1, ""}));
}

TEST_F(MapReferencesTest, OverlappingSubsectorsDrawEachFrameNoMoreSegsThanTheTableHolds) {
    room.subsectors = {{6, 0}, {6, 0}};
    EXPECT_EQ(LoadAndDraw(MapFile(room)), (FrameSummary{4, 6, 6, 1, ""}));
    EXPECT_EQ(Draw(), (FrameSummary{4, 6, 6, 1, ""}));
}

}  // namespace
