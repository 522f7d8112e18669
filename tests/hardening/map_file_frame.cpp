#include "tests/hardening/map_file_frame.h"

#include <ostream>

#include "render/overview.h"
#include "tests/support/captured_output.h"
#include "wad/wad_archive.h"

namespace {

template <typename Record>
std::vector<uint8_t> LumpOf(const std::vector<Record>& records) {
    const auto* bytes = reinterpret_cast<const uint8_t*>(records.data());
    return std::vector<uint8_t>(bytes, bytes + records.size() * sizeof(Record));
}

MapLinedef OneSidedLinedef(int start, int end, int front) {
    MapLinedef linedef{};
    linedef.startVertex = static_cast<int16_t>(start);
    linedef.endVertex = static_cast<int16_t>(end);
    linedef.sideNum[0] = static_cast<int16_t>(front);
    linedef.sideNum[1] = -1;
    return linedef;
}

MapSidedef SideFacing(int sector) {
    MapSidedef side{};
    side.sector = static_cast<int16_t>(sector);
    return side;
}

FrameSummary Summarise(const std::vector<std::string>& trace) {
    enum class Pen { kOther, kLinedef, kSeg, kWall, kDotted };
    FrameSummary frame;
    Pen pen = Pen::kOther;
    int wallLines = 0;
    bool labelDrawn = false;
    bool playerDrawn = false;
    for (const std::string& line : trace) {
        if (line.starts_with("SelectObject pen")) {
            pen = line == kSegPenLine                             ? Pen::kSeg
                  : line == "SelectObject pen solid 0 0x00000000" ? Pen::kLinedef
                  : line.starts_with("SelectObject pen solid 2 ") ? Pen::kWall
                  : line.starts_with("SelectObject pen dot ")     ? Pen::kDotted
                                                                  : Pen::kOther;
        } else if (line.starts_with("DrawTextA \"P")) {
            labelDrawn = true;
        } else if (line.starts_with("Rectangle") && pen == Pen::kSeg) {
            playerDrawn = true;  // the marker and its tick come last
        } else if (line.starts_with("LineTo") && !playerDrawn) {
            if (labelDrawn) {
                frame.partitionLines++;
                labelDrawn = false;
            } else if (pen == Pen::kLinedef) {
                frame.linedefLines++;
            } else if (pen == Pen::kSeg) {
                frame.segLines++;
            } else if (pen == Pen::kWall) {
                wallLines++;
            }
        }
    }
    frame.walls = wallLines / 4;
    return frame;
}

}  // namespace

TestMap SquareRoom() {
    TestMap room;
    room.vertexes = {{0, 0}, {0, 128}, {128, 128}, {128, 0}, {64, 0}, {64, 128}};
    room.linedefs = {OneSidedLinedef(0, 1, 0), OneSidedLinedef(1, 2, 1), OneSidedLinedef(2, 3, 2),
                     OneSidedLinedef(3, 0, 3)};
    room.sidedefs = {SideFacing(0), SideFacing(0), SideFacing(0), SideFacing(0)};
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

std::vector<uint8_t> MapFile(const TestMap& map) {
    return BuildWad(MapLumps(map));
}

std::ostream& operator<<(std::ostream& out, const FrameSummary& frame) {
    return out << "{linedefs " << frame.linedefLines << ", segs " << frame.segLines << ", walls "
               << frame.walls << ", partitions " << frame.partitionLines << ", output \""
               << frame.output << "\"}";
}

void MapFileFrameTest::SetUp() {
    RenderTest::SetUp();
    playerX = -200;
    playerY = 64;
    playerAngle = 0;
    level.drawAllNodes = 1;
    mapIndex = 0;
}

void MapFileFrameTest::TearDown() {
    wadPath = "DOOM1.WAD";
    RenderTest::TearDown();
}

FrameSummary MapFileFrameTest::LoadAndDraw(const std::vector<uint8_t>& file) {
    path_ = WriteTempFile("hardening", file);
    wadPath = path_.c_str();
    const std::string loaderOutput = CaptureStdout([&] { LoadLevel(&level); });
    FrameSummary frame = Draw();
    frame.output = loaderOutput + frame.output;
    return frame;
}

FrameSummary MapFileFrameTest::Draw() {
    std::vector<std::string> trace;
    const std::string output =
        CaptureStdout([&] { trace = surface.Trace([&] { DrawOverview(surface.dc(), &level); }); });
    FrameSummary frame = Summarise(trace);
    frame.output = output;
    return frame;
}
