#include <gtest/gtest.h>

#include <array>

#include "tests/support/captured_output.h"
#include "tests/support/wad_builder.h"
#include "wad/level_view.h"
#include "wad/wad_archive.h"

namespace {

using Counts = std::array<int32_t, 8>;

Counts CountsOf(const LevelView& l) {
    return {l.numVertexes, l.numLinedefs, l.numThings,     l.numSidedefs,
            l.numSectors,  l.numSegs,     l.numSubsectors, l.numNodes};
}

// Lumps of distinct sizes, so that every count tells which lump it came from;
// VERTEXES and SEGS end in part of a record.
std::vector<TestLump> DistinctMap(const std::string& name) {
    std::vector<TestLump> lumps = StandardMapLumps(name, 0);
    lumps.resize(9);  // THINGS to SECTORS, no more
    const int sizes[] = {10 * 3, 14 * 2, 30 * 4, 4 * 5 + 3, 25, 4 * 7, 28 * 6, 26 * 8};
    for (int i = 0; i < 8; ++i) lumps[i + 1].data = ZeroBytes(sizes[i]);
    return lumps;
}

class LoadLevelTest : public testing::Test {
protected:
    void TearDown() override {
        wadPath = "DOOM1.WAD";
        mapIndex = 0;
    }
    void UseFile(const std::vector<TestLump>& lumps, const char* ident = "IWAD") {
        wadPath = (path = WriteTempFile("level", BuildWad(lumps, ident))).c_str();
    }

    std::string path;
    LevelView level{};
};

TEST_F(LoadLevelTest, CountsAreWholeRecordsOfTheLumpsAfterTheMarkerOfTheMapIndex) {
    std::vector<TestLump> lumps = DistinctMap("E1M1");
    std::vector<TestLump> last = DistinctMap("E1M9");
    last.erase(last.begin() + 7);  // NODES: not found in the last map
    last[1].data.clear();          // THINGS: size 0
    for (const auto& more : {StandardMapLumps("E1M8", 1), last}) {
        lumps.insert(lumps.end(), more.begin(), more.end());
    }
    UseFile(lumps);
    LoadLevel(&level);
    EXPECT_EQ(CountsOf(level), (Counts{5, 2, 3, 4, 8, 2, 7, 6}));
    mapIndex = 8;
    EXPECT_EQ(CaptureStdout([&] { LoadLevel(&level); }), "");
    EXPECT_EQ(CountsOf(level), (Counts{5, 2, 0, 4, 8, 2, 7, 0}));
    EXPECT_EQ(level.nodes, nullptr);
}

// A file that is not a WAD is the hardening catalogue's.
TEST_F(LoadLevelTest, MissingFileWritesOneLinePerLookupAndLeavesNothing) {
    UseFile(DistinctMap("E1M1"));
    LoadLevel(&level);
    wadPath = "DOOM1.WAD.missing";
    std::string expected;
    for (int i = 0; i < 8; ++i) expected += "Unable to open DOOM1.WAD.missing\n";
    EXPECT_EQ(CaptureStdout([&] { LoadLevel(&level); }), expected);
    EXPECT_EQ(CountsOf(level), Counts{});
    EXPECT_EQ(level.vertexes, nullptr);
    EXPECT_EQ(level.nodes, nullptr);
}

TEST_F(LoadLevelTest, PointersReachTheRecordsAndReloadingReadsTheFileAgain) {
    std::vector<TestLump> lumps = DistinctMap("E1M1");
    lumps[4].data = Int16Bytes({-768, 1200, 7, -3, 32767, -32768});
    UseFile(lumps, "PWAD");
    LoadLevel(&level);
    ASSERT_EQ(level.numVertexes, 3);
    EXPECT_EQ(level.vertexes[0].x, -768);
    EXPECT_EQ(level.vertexes[0].y, 1200);
    EXPECT_EQ(level.vertexes[2].x, 32767);
    EXPECT_EQ(level.vertexes[2].y, -32768);
    lumps[4].data = Int16Bytes({5, 6});  // the same map, changed on disk
    UseFile(lumps);
    LoadLevel(&level);
    EXPECT_EQ(CountsOf(level), (Counts{1, 2, 3, 4, 8, 2, 7, 6}));
    EXPECT_EQ(level.vertexes[0].x, 5);
}

}  // namespace
