// Files that hold no usable map, or lumps that cannot all be used: the
// loader says what it can, and the frame shows what remains.
#include <gtest/gtest.h>

#include "tests/hardening/map_file_frame.h"

namespace {

class UnreadableFilesTest : public MapFileFrameTest {
protected:
    std::vector<uint8_t> room = MapFile(SquareRoom());
};

std::string Repeated(const std::string& line, int times) {
    std::string text;
    for (int i = 0; i < times; i++) text += line;
    return text;
}

TEST_F(UnreadableFilesTest, FilesWithoutAUsableDirectoryGiveAFrameWithoutTheMap) {
    const std::string invalid = Repeated("Invalid WAD file\n", 8);
    // With no subsectors the walk's root, subsector 0, is not in the table.
    const std::string fail = "Fail\r\n";
    const std::string text = "This is not a WAD file, only text.\n";
    std::vector<uint8_t> negativeCount = room;
    PatchI32(negativeCount, 4, -3);
    std::vector<uint8_t> hugeCount = room;
    PatchI32(hugeCount, 4, INT32_MAX);
    std::vector<uint8_t> directoryPastTheEnd = room;
    PatchI32(directoryPastTheEnd, 8, static_cast<int32_t>(room.size()) - 8);
    const struct {
        const char* name;
        std::vector<uint8_t> file;
        std::string output;
    } cases[] = {
        {"not a WAD", {text.begin(), text.end()}, invalid + fail},
        {"truncated header", {room.begin(), room.begin() + 10}, invalid + fail},
        {"negative lump count", negativeCount, fail},
        {"huge lump count", hugeCount, fail},
        {"directory past the end", directoryPastTheEnd, fail},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(LoadAndDraw(c.file), (FrameSummary{0, 0, 0, 0, c.output}));
        EXPECT_EQ(level.vertexes, nullptr);
        EXPECT_EQ(level.numNodes, 0);
    }
}

TEST_F(UnreadableFilesTest, LumpPastTheEndIsLeftOutAndTheRestDrawn) {
    PatchI32(room, DirEntryOffset(room, 5) + 4, 1 << 20);  // SEGS
    EXPECT_EQ(LoadAndDraw(room), (FrameSummary{4, 0, 0, 1, ""}));
    EXPECT_EQ(level.numSegs, 0);
}

TEST_F(UnreadableFilesTest, LumpsOfOddSizesDrawTheirWholeRecords) {
    // Every lump carries one to three bytes more than its records.
    std::vector<TestLump> lumps = MapLumps(SquareRoom());
    for (size_t i = 1; i < lumps.size(); i++)
        lumps[i].data.resize(lumps[i].data.size() + i % 3 + 1, 0xEE);
    EXPECT_EQ(LoadAndDraw(BuildWad(lumps)), (FrameSummary{4, 6, 6, 1, ""}));
    EXPECT_EQ(level.numSegs, 6);
    EXPECT_EQ(level.numNodes, 1);
}

}  // namespace
