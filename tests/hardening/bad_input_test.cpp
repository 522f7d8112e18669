// The catalogue of bad input: damaged WAD files, loaded by the viewer's
// loader and drawn as one whole frame. The frame keeps everything that can
// still be drawn and skips the rest.
#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include "render/overview.h"
#include "tests/render/render_support.h"
#include "tests/support/captured_output.h"
#include "tests/support/wad_builder.h"
#include "wad/wad_archive.h"

namespace {

// What a frame drew, counted from its trace: linedef lines, seg lines, walls
// (outlines of 4 lines), partition lines, and the loader's and the walk's
// diagnostic lines.
using Frame = std::tuple<int, int, int, int, std::string>;

// Each label's partition line follows it; the player's tick is the last
// line in the seg pen.
Frame Summarise(const std::vector<std::string>& trace) {
    int counts[4] = {0, -1, 0, 0};  // linedefs, segs, wall lines, partitions
    std::string pen;
    bool labelled = false;
    for (const std::string& line : trace) {
        if (line.starts_with("SelectObject pen")) pen = line;
        labelled |= line.starts_with("DrawTextA \"P");
        if (!line.starts_with("LineTo")) continue;
        counts[labelled                                       ? 3
               : pen == kSegPenLine                           ? 1
               : pen.starts_with("SelectObject pen solid 2 ") ? 2
                                                              : 0]++;
        labelled = false;
    }
    return {counts[0], counts[1], counts[2] / 4, counts[3], ""};
}

template <typename Record>
std::vector<uint8_t> LumpOf(const std::vector<Record>& records) {
    const auto* bytes = reinterpret_cast<const uint8_t*>(records.data());
    return {bytes, bytes + records.size() * sizeof(Record)};
}

// A square room, 128 a side, split by one node at x = 64 into two
// subsectors of three segs each; every seg has a wall of sector 0.
TestMap SquareRoom() {
    TestMap room;
    room.vertexes = {{0, 0}, {0, 128}, {128, 128}, {128, 0}, {64, 0}, {64, 128}};
    room.linedefs = {{0, 1, 0, 0, 0, {0, -1}},
                     {1, 2, 0, 0, 0, {1, -1}},
                     {2, 3, 0, 0, 0, {2, -1}},
                     {3, 0, 0, 0, 0, {3, -1}}};
    room.sidedefs.resize(4);
    room.sectors = {{0, 128, {}, {}, 160, 0, 0}};
    room.things = {{32, 32, 90, 1, 7}};
    // West half: segs 0 to 2; east half: segs 3 to 5.
    room.segs = {{0, 1, 0, 0, 0, 0},  {1, 5, 0, 1, 0, 0}, {4, 0, 0, 3, 0, 64},
                 {5, 2, 0, 1, 0, 64}, {2, 3, 0, 2, 0, 0}, {3, 4, 0, 3, 0, 0}};
    room.subsectors = {{3, 0}, {3, 3}};
    room.nodes = {Node(64, 0, 0, 128, 0x8001, 0x8000)};
    return room;
}

std::vector<TestLump> MapLumps(const TestMap& map) {
    return {{"E1M1", {}},
            {"THINGS", LumpOf(map.things)},
            {"LINEDEFS", LumpOf(map.linedefs)},
            {"SIDEDEFS", LumpOf(map.sidedefs)},
            {"VERTEXES", LumpOf(map.vertexes)},
            {"SEGS", LumpOf(map.segs)},
            {"SSECTORS", LumpOf(map.subsectors)},
            {"NODES", LumpOf(map.nodes)},
            {"SECTORS", LumpOf(map.sectors)}};
}

// The room, damaged by `damage`, as a WAD file.
std::vector<uint8_t> Room(const std::function<void(TestMap&)>& damage = [](TestMap&) {}) {
    TestMap room = SquareRoom();
    damage(room);
    return BuildWad(MapLumps(room));
}

// Frames as the viewer paints them, from a player west of the room facing
// east, so that every wall of the room lies in front and has its outline.
class BadInputTest : public RenderTest {
protected:
    BadInputTest() : RenderTest(200, 150) {}
    void SetUp() override {
        RenderTest::SetUp();
        playerX = -200;
        playerY = 64;
        level.drawAllNodes = 1;
        level.maxDepth = 1000000;  // cycles must end without a depth limit
        mapIndex = 0;
    }

    Frame LoadAndDraw(const std::vector<uint8_t>& file) {
        const std::string path = WriteTempFile("hardening", file);
        wadPath = path.c_str();
        const std::string loaderOutput = CaptureStdout([&] { LoadLevel(&level); });
        wadPath = "DOOM1.WAD";
        Frame frame = Draw();
        std::get<4>(frame).insert(0, loaderOutput);
        return frame;
    }
    Frame Draw() {
        std::vector<std::string> trace;
        const std::string output =
            CaptureStdout([&] { trace = Trace([&] { DrawOverview(surface.dc, &level); }); });
        Frame frame = Summarise(trace);
        std::get<4>(frame) = output;
        return frame;
    }
};

// References that lead outside their tables, damaged node trees, and files
// that hold no usable map or lumps that cannot all be used; the loader's own
// tests cover every other way a header or directory can be damaged. Each
// frame is drawn twice: the second must show the same.
TEST_F(BadInputTest, DamagedFiles) {
    const std::string text = "This is not a WAD file, only text.\n";
    std::string invalid;
    for (int i = 0; i < 8; i++) invalid += "Invalid WAD file\n";
    std::vector<uint8_t> segsPastTheEnd = Room();
    PatchI32(segsPastTheEnd, DirEntryOffset(segsPastTheEnd, 5) + 4, 1 << 20);
    std::vector<TestLump> oddSizes = MapLumps(SquareRoom());
    for (size_t i = 1; i < oddSizes.size(); i++)  // one to three bytes past the records
        oddSizes[i].data.resize(oddSizes[i].data.size() + i % 3 + 1, 0xEE);
    const struct {
        const char* name;
        std::vector<uint8_t> file;
        Frame expected;
    } cases[] = {
        {"undamaged", Room(), {4, 6, 6, 1, ""}},
        // The walls find their sectors through the linedefs' sides.
        {"linedef vertex",
         Room([](TestMap& m) { m.linedefs[0].startVertex = 99, m.linedefs[2].endVertex = -1; }),
         {2, 6, 6, 1, ""}},
        {"seg vertex",
         Room([](TestMap& m) { m.segs[0].endVertex = 77, m.segs[3].startVertex = -1; }),
         {4, 4, 4, 1, ""}},
        {"seg linedef",
         Room([](TestMap& m) { m.segs[2].linedef = 40, m.segs[5].linedef = -3; }),
         {4, 6, 4, 1, ""}},
        {"back of a one-sided linedef",
         Room([](TestMap& m) { m.segs[4].side = 1; }),
         {4, 6, 5, 1, ""}},
        // Segs 1 and 3, and 2 and 5.
        {"sidedef index",
         Room([](TestMap& m) { m.linedefs[1].sideNum[0] = 50, m.linedefs[3].sideNum[0] = -7; }),
         {4, 6, 2, 1, ""}},
        {"sidedef sector",  // segs 4 and 0
         Room([](TestMap& m) { m.sidedefs[2].sector = 300, m.sidedefs[0].sector = -1; }),
         {4, 6, 4, 1, ""}},
        {"subsector ranges cut",
         Room([](TestMap& m) {
             m.subsectors = {{3, -2}, {100, 3}};
         }),
         {4, 4, 4, 1, ""}},
        {"subsector ranges outside",
         Room([](TestMap& m) {
             m.subsectors = {{-5, 0}, {3, 32000}};
         }),
         {4, 0, 0, 1, ""}},
        {"overlapping subsectors",
         Room([](TestMap& m) {
             m.subsectors = {{6, 0}, {6, 0}};
         }),
         {4, 6, 6, 1, ""}},
        {"child past the node table",
         Room([](TestMap& m) { m.nodes[0].children[1] = 5; }),
         {4, 3, 3, 1, ""}},
        {"subsector past its table",
         Room([](TestMap& m) { m.nodes[0].children[1] = 0x8009; }),
         {4, 3, 3, 1, "Fail\r\n"}},
        // The root, node 1, leads to node 0, whose second child is the root.
        {"cycle through the root",
         Room([](TestMap& m) {
             m.nodes = {Node(32, 0, 0, 128, 0x8000, 1), Node(64, 0, 0, 128, 0, 0x8001)};
         }),
         {4, 6, 6, 2, ""}},
        {"no nodes", Room([](TestMap& m) { m.nodes.clear(); }), {4, 3, 3, 0, ""}},
        // With no subsectors the walk's root, subsector 0, is not in the table.
        {"not a WAD", {text.begin(), text.end()}, {0, 0, 0, 0, invalid + "Fail\r\n"}},
        {"SEGS past the end", segsPastTheEnd, {4, 0, 0, 1, ""}},
        {"lumps of odd sizes", BuildWad(oddSizes), {4, 6, 6, 1, ""}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(LoadAndDraw(c.file), c.expected);
        Frame redrawn = c.expected;  // without the loader's lines
        std::string& output = std::get<4>(redrawn);
        if (output.starts_with(invalid)) output.erase(0, invalid.size());
        EXPECT_EQ(Draw(), redrawn);
    }
}

}  // namespace
