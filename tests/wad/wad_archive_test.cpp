#include "wad/wad_archive.h"

#include <gtest/gtest.h>

#include <cstring>
#include <tuple>

#include "tests/support/captured_output.h"
#include "tests/support/wad_builder.h"

namespace {

std::vector<TestLump> Concat(std::vector<TestLump> a, const std::vector<TestLump>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

class FindMapLumpTest : public testing::Test {
protected:
    void TearDown() override {
        FreeWadImage(image);
        wadPath = "DOOM1.WAD";
    }

    // Points wadPath at a fresh file, dropping the image of the previous one.
    void UseFile(const std::vector<uint8_t>& bytes) {
        FreeWadImage(image);
        image = nullptr;
        size = 0xDEADBEEF;
        fileBytes = bytes;
        wadPath = (path = WriteTempFile("archive", bytes)).c_str();
    }

    // The lump's offset in the file, or -1 when the lookup found nothing.
    long Find(const char* mapName, const char* lumpName) {
        const uint8_t* lump = FindMapLump(mapName, lumpName, &size, &image);
        return lump == nullptr ? -1 : static_cast<long>(lump - image);
    }

    long OffsetOf(int entry) {
        int32_t offset;
        memcpy(&offset, fileBytes.data() + DirEntryOffset(fileBytes, entry), 4);
        return offset;
    }

    std::vector<uint8_t> fileBytes;
    std::string path;
    uint8_t* image = nullptr;
    uint32_t size = 0xDEADBEEF;
};

TEST_F(FindMapLumpTest, LookupFindsTheEntryTheGateAndTheNamesLeadTo) {
    const auto e1m1 = StandardMapLumps("E1M1", 1);
    const std::vector<TestLump> eightChars = {{"E1M1", {}},
                                              {"SSECTORS", ZeroBytes(4)},
                                              {"VERTEXES", ZeroBytes(4)},
                                              {"SECTORS", ZeroBytes(26)}};
    const std::vector<TestLump> sectorsFirst = {
        {"E1M1", {}}, {"SECTORS", ZeroBytes(26)}, {"SSECTORS", ZeroBytes(4)}};
    const std::vector<TestLump> mixedCase = {
        {"e1m1", {}}, {"E1M1", {}}, {"nodes", ZeroBytes(28)}, {"NODES", ZeroBytes(56)}};
    struct Case {  // entry -1: nothing found
        const char* what;
        std::vector<TestLump> lumps;
        const char *map, *lump;
        int entry;
        uint32_t size;
    } cases[] = {
        {"second map", Concat(e1m1, StandardMapLumps("E1M2", 2)), "E1M2", "VERTEXES", 11 + 4, 8},
        {"second map", Concat(e1m1, StandardMapLumps("E1M2", 2)), "E1M2", "SECTORS", 11 + 8, 52},
        {"first map", Concat(e1m1, StandardMapLumps("E1M2", 2)), "E1M1", "NODES", 7, 28},
        {"no entry occurs in the map name", e1m1, "E2M3", "THINGS", -1, 0xDEADBEEF},
        {"a directory of one lump", {{"E1M1", ZeroBytes(4)}}, "E1M1", "E1M1", 0, 4},
        {"the marker occurs in the lump name", e1m1, "E1M1", "E1M1X", 0, 0},
        {"empty name first", Concat({{"", ZeroBytes(3)}}, e1m1), "E3M9", "VERTEXES", 0, 3},
        {"SECTORS before SSECTORS", sectorsFirst, "E1M1", "SSECTORS", 1, 26},
        {"map lacking the lump",
         Concat({{"E1M1", {}}, {"THINGS", ZeroBytes(10)}}, StandardMapLumps("E1M2", 3)), "E1M1",
         "NODES", 2 + 7, 84},
        // The entry after SSECTORS would read as more name if the 8-byte
        // field were not cut at 8.
        {"8 characters, SECTORS", eightChars, "E1M1", "SECTORS", 3, 26},
        {"8 characters, VERTEXES", eightChars, "E1M1", "VERTEXES", 2, 4},
        {"letter case", mixedCase, "E1M1", "NODES", 3, 56},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        UseFile(BuildWad(c.lumps, "PWAD"));
        EXPECT_EQ(Find(c.map, c.lump), c.entry < 0 ? -1 : OffsetOf(c.entry));
        EXPECT_EQ(size, c.size);
    }
}

TEST_F(FindMapLumpTest, FileThatIsNotAWadIsReportedAtEveryLookup) {
    const std::vector<uint8_t> wad = BuildWad(StandardMapLumps("E1M1", 1));
    const auto cut = [&](size_t n) { return std::vector<uint8_t>(wad.begin(), wad.begin() + n); };
    // Identifications differing in a letter or its case, headers shorter than
    // 12 bytes, and last a 0-byte file.
    for (const auto& bytes : {BuildWad(StandardMapLumps("E1M1", 1), "JWAD"),
                              BuildWad(StandardMapLumps("E1M1", 1), "iwad"), cut(3), cut(4), cut(8),
                              cut(11), std::vector<uint8_t>{}}) {
        SCOPED_TRACE(testing::Message() << bytes.size() << " bytes");
        UseFile(bytes);
        std::string out = CaptureStdout([&] {
            EXPECT_EQ(Find("E1M1", "THINGS"), -1);
            EXPECT_NE(image, nullptr) << "the image is kept";
            EXPECT_EQ(Find("E1M1", "THINGS"), -1);
        });
        EXPECT_EQ(out, "Invalid WAD file\nInvalid WAD file\n");
        EXPECT_EQ(size, 0xDEADBEEFu);
    }
}

// Counts below one, directories and lumps reaching outside the file: nothing
// found and nothing said. The one lump that fits has size 0 at the very end.
TEST_F(FindMapLumpTest, CountsOffsetsAndSizesOutsideTheFileFindNothingSilently) {
    std::vector<uint8_t> wad = BuildWad(StandardMapLumps("E1M1", 1));
    const int32_t dir = static_cast<int32_t>(DirEntryOffset(wad, 0));
    const int32_t end = static_cast<int32_t>(wad.size());
    const size_t header = 4, things = DirEntryOffset(wad, 1);  // count and offset, or entry
    const std::tuple<size_t, int32_t, int32_t> cases[] = {
        {header, 0, dir},        {header, -1, dir},        {header, INT32_MIN, dir},
        {header, 12, dir},       {header, 11, dir + 1},    {header, 11, -16},
        {header, 11, INT32_MAX}, {header, INT32_MAX, dir}, {things, end - 4, 5},
        {things, -1, 10},        {things, 12, -1},         {things, 12, INT32_MIN},
        {things, INT32_MAX, 10}, {things, end + 1, 0},     {things, end, 0}};
    for (const auto& [at, first, second] : cases) {
        SCOPED_TRACE(testing::Message() << at << ": " << first << " " << second);
        std::vector<uint8_t> damaged = wad;
        PatchI32(damaged, at, first);
        PatchI32(damaged, at + 4, second);
        UseFile(damaged);
        const bool fits = at == things && first == end;
        EXPECT_EQ(CaptureStdout([&] { EXPECT_EQ(Find("E1M1", "THINGS"), fits ? end : -1); }), "");
        EXPECT_EQ(size, fits ? 0u : 0xDEADBEEFu);
        if (at == things) {
            EXPECT_NE(Find("E1M1", "NODES"), -1);
        }
    }
    // A directory cut to the entries that do fit works.
    PatchI32(wad, 4, 3);
    UseFile(std::vector<uint8_t>(wad.begin(), wad.begin() + DirEntryOffset(wad, 3)));
    EXPECT_EQ(Find("E1M1", "LINEDEFS"), OffsetOf(2));
}

}  // namespace
