#include <gtest/gtest.h>
#include <malloc.h>

#include <cstring>

#include "tests/support/captured_output.h"
#include "tests/support/wad_builder.h"
#include "wad/level_view.h"
#include "wad/wad_archive.h"

#if defined(__SANITIZE_ADDRESS__)
// AddressSanitizer keeps its own heap, which mallinfo2 does not see.
extern "C" size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace {

size_t HeapInUse() {
#if defined(__SANITIZE_ADDRESS__)
    return __sanitizer_get_current_allocated_bytes();
#else
    return mallinfo2().uordblks;
#endif
}

struct Counts {
    int32_t vertexes, linedefs, things, sidedefs, sectors, segs, subsectors, nodes;
    bool operator==(const Counts&) const = default;
};

Counts CountsOf(const LevelView& level) {
    return {level.numVertexes, level.numLinedefs, level.numThings,     level.numSidedefs,
            level.numSectors,  level.numSegs,     level.numSubsectors, level.numNodes};
}

void PrintTo(const Counts& c, std::ostream* os) {
    *os << c.vertexes << " " << c.linedefs << " " << c.things << " " << c.sidedefs << " "
        << c.sectors << " " << c.segs << " " << c.subsectors << " " << c.nodes;
}

class LoadLevelTest : public testing::Test {
protected:
    void TearDown() override {
        wadPath = "DOOM1.WAD";
        mapIndex = 0;
    }

    void UseFile(const std::vector<uint8_t>& bytes) {
        wadPath = (path = WriteTempFile("level", bytes)).c_str();
    }

    std::string path;
    LevelView level{};
};

// Lumps of distinct sizes, so that every count tells which lump it came from.
std::vector<TestLump> DistinctMap(const std::string& name) {
    return {{name, {}},
            {"THINGS", ZeroBytes(10 * 3)},
            {"LINEDEFS", ZeroBytes(14 * 2)},
            {"SIDEDEFS", ZeroBytes(30 * 4)},
            {"VERTEXES", ZeroBytes(4 * 5 + 3)},
            {"SEGS", ZeroBytes(25)},
            {"SSECTORS", ZeroBytes(4 * 7)},
            {"NODES", ZeroBytes(28 * 6)},
            {"SECTORS", ZeroBytes(26 * 8)}};
}

TEST_F(LoadLevelTest, CountsAreWholeRecordsOfEachLump) {
    UseFile(BuildWad(DistinctMap("E1M1")));
    LoadLevel(&level);
    EXPECT_EQ(CountsOf(level), (Counts{5, 2, 3, 4, 8, 2, 7, 6}));
    EXPECT_NE(level.nodes, nullptr);
}

TEST_F(LoadLevelTest, PointersReachTheRecordsInTheFile) {
    std::vector<TestLump> lumps = DistinctMap("E1M1");
    lumps[4].data = Int16Bytes({-768, 1200, 7, -3, 32767, -32768});
    UseFile(BuildWad(lumps, "PWAD"));
    LoadLevel(&level);
    ASSERT_EQ(level.numVertexes, 3);
    EXPECT_EQ(level.vertexes[0].x, -768);
    EXPECT_EQ(level.vertexes[0].y, 1200);
    EXPECT_EQ(level.vertexes[2].x, 32767);
    EXPECT_EQ(level.vertexes[2].y, -32768);
}

TEST_F(LoadLevelTest, LastMapIndexLoadsTheLumpsAfterItsMarker) {
    std::vector<TestLump> lumps = StandardMapLumps("E1M8", 1);
    std::vector<TestLump> last = DistinctMap("E1M9");
    lumps.insert(lumps.end(), last.begin(), last.end());
    UseFile(BuildWad(lumps));
    mapIndex = 8;
    LoadLevel(&level);
    EXPECT_EQ(CountsOf(level), (Counts{5, 2, 3, 4, 8, 2, 7, 6}));
}

TEST_F(LoadLevelTest, MissingFileWritesOneLinePerLookupAndLeavesNothing) {
    UseFile(BuildWad(DistinctMap("E1M1")));
    LoadLevel(&level);
    wadPath = "DOOM1.WAD.missing";
    std::string out = CaptureStdout([&] { LoadLevel(&level); });
    std::string expected;
    for (int i = 0; i < 8; ++i) expected += "Unable to open DOOM1.WAD.missing\n";
    EXPECT_EQ(out, expected);
    EXPECT_EQ(CountsOf(level), (Counts{}));
    EXPECT_EQ(level.vertexes, nullptr);
    EXPECT_EQ(level.nodes, nullptr);
}

TEST_F(LoadLevelTest, InvalidFileWritesOneLinePerLookup) {
    UseFile(BuildWad(DistinctMap("E1M1"), "WAD2"));
    std::string out = CaptureStdout([&] { LoadLevel(&level); });
    std::string expected;
    for (int i = 0; i < 8; ++i) expected += "Invalid WAD file\n";
    EXPECT_EQ(out, expected);
    EXPECT_EQ(CountsOf(level), (Counts{}));
}

TEST_F(LoadLevelTest, LumpNotFoundGivesNullAndZeroWhileOthersLoad) {
    std::vector<TestLump> lumps = DistinctMap("E1M1");
    lumps.erase(lumps.begin() + 7);  // NODES
    UseFile(BuildWad(lumps));
    std::string out = CaptureStdout([&] { LoadLevel(&level); });
    EXPECT_EQ(out, "");
    EXPECT_EQ(level.nodes, nullptr);
    EXPECT_EQ(CountsOf(level), (Counts{5, 2, 3, 4, 8, 2, 7, 0}));
}

TEST_F(LoadLevelTest, ZeroSizedLumpGivesZeroCountAndItsPointer) {
    std::vector<TestLump> lumps = DistinctMap("E1M1");
    lumps[1].data.clear();  // THINGS
    UseFile(BuildWad(lumps));
    LoadLevel(&level);
    EXPECT_EQ(level.numThings, 0);
    EXPECT_EQ(reinterpret_cast<const uint8_t*>(level.things),
              reinterpret_cast<const uint8_t*>(level.linedefs));
}

TEST_F(LoadLevelTest, ReloadingReadsTheFileAgain) {
    std::vector<TestLump> lumps = DistinctMap("E1M1");
    lumps[4].data = Int16Bytes({1, 2});
    UseFile(BuildWad(lumps));
    LoadLevel(&level);
    ASSERT_EQ(level.vertexes[0].x, 1);
    // The same map, changed on disk, shows the change at the next load.
    lumps[4].data = Int16Bytes({5, 6});
    UseFile(BuildWad(lumps));
    LoadLevel(&level);
    EXPECT_EQ(CountsOf(level), (Counts{1, 2, 3, 4, 8, 2, 7, 6}));
    EXPECT_EQ(level.vertexes[0].x, 5);
}

TEST_F(LoadLevelTest, SwitchingMapsReleasesTheReplacedImages) {
    std::vector<TestLump> lumps = StandardMapLumps("E1M1", 1);
    lumps.push_back({"PADDING", ZeroBytes(1 << 20)});
    UseFile(BuildWad(lumps));
    LoadLevel(&level);
    const size_t before = HeapInUse();
    for (int i = 0; i < 100; ++i) LoadLevel(&level);
    const size_t after = HeapInUse();
    EXPECT_LT(after, before + (2u << 20)) << "heap grew by " << (after - before) << " bytes";
    EXPECT_EQ(level.numNodes, 1);
}

}  // namespace
