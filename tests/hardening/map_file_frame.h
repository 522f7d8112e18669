// A map written out as a WAD file, loaded by the viewer's loader and drawn
// as one whole frame, summed up by what the frame shows.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tests/render/render_support.h"
#include "tests/support/wad_builder.h"

// A square room, 128 units a side, split by one node at x = 64 into two
// subsectors of three segs each; every seg has a wall of the room's sector.
TestMap SquareRoom();

// The marker E1M1 and the eight lumps holding the map's records.
std::vector<TestLump> MapLumps(const TestMap& map);

// The WAD file of those lumps.
std::vector<uint8_t> MapFile(const TestMap& map);

// What a frame drew, counted from its drawing trace.
struct FrameSummary {
    int linedefLines = 0;
    int segLines = 0;
    int walls = 0;  // outlines of four lines each
    int partitionLines = 0;
    std::string output;  // the loader's and the walk's diagnostic lines

    bool operator==(const FrameSummary&) const = default;
};

std::ostream& operator<<(std::ostream& out, const FrameSummary& frame);

// Draws frames of WAD files as the viewer paints them, with marked pens,
// from a player standing west of the room and facing east, so that every
// wall of the room lies in front and has its outline.
class MapFileFrameTest : public RenderTest {
protected:
    MapFileFrameTest() : RenderTest(200, 150) {}
    void SetUp() override;
    void TearDown() override;

    // Writes the file, loads E1M1 from it and draws one frame.
    FrameSummary LoadAndDraw(const std::vector<uint8_t>& file);
    // Draws one more frame of what is loaded.
    FrameSummary Draw();

private:
    std::string path_;
};
