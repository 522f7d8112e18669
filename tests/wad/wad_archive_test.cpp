#include <gtest/gtest.h>

#include <cstring>

#include "tests/support/captured_output.h"
#include "tests/support/wad_builder.h"
#include "wad/wad_archive.h"

namespace {

class FindMapLumpTest : public testing::Test {
protected:
    void TearDown() override {
        FreeWadImage(image);
        wadPath = "DOOM1.WAD";
    }

    void UseFile(const std::vector<uint8_t>& bytes) {
        fileBytes = bytes;
        wadPath = (path = WriteTempFile("archive", bytes)).c_str();
    }

    // Looks a lump up and returns its offset in the file, or -1 when the
    // lookup found nothing.
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

TEST_F(FindMapLumpTest, FindsEachLumpOfTheNamedMap) {
    std::vector<TestLump> lumps = StandardMapLumps("E1M1", 1);
    std::vector<TestLump> second = StandardMapLumps("E1M2", 2);
    lumps.insert(lumps.end(), second.begin(), second.end());
    UseFile(BuildWad(lumps, "PWAD"));

    EXPECT_EQ(Find("E1M2", "VERTEXES"), OffsetOf(11 + 4));
    EXPECT_EQ(size, 8u);
    EXPECT_EQ(Find("E1M2", "SSECTORS"), OffsetOf(11 + 6));
    EXPECT_EQ(Find("E1M2", "SECTORS"), OffsetOf(11 + 8));
    EXPECT_EQ(size, 52u);
    EXPECT_EQ(Find("E1M1", "NODES"), OffsetOf(7));
    EXPECT_EQ(size, 28u);
}

TEST_F(FindMapLumpTest, ImageIsReadOnceAndReused) {
    UseFile(BuildWad(StandardMapLumps("E1M1", 1)));
    ASSERT_NE(Find("E1M1", "THINGS"), -1);
    uint8_t* first = image;
    ASSERT_NE(Find("E1M1", "NODES"), -1);
    EXPECT_EQ(image, first);
}

TEST_F(FindMapLumpTest, MissingFileIsReportedAtEveryLookup) {
    wadPath = "no-such-dir/DOOM1.WAD";
    std::string out = CaptureStdout([&] {
        EXPECT_EQ(Find("E1M1", "THINGS"), -1);
        EXPECT_EQ(Find("E1M1", "NODES"), -1);
    });
    EXPECT_EQ(out, "Unable to open no-such-dir/DOOM1.WAD\nUnable to open no-such-dir/DOOM1.WAD\n");
    EXPECT_EQ(image, nullptr);
    EXPECT_EQ(size, 0xDEADBEEFu);
}

TEST_F(FindMapLumpTest, WrongIdentificationIsReportedAndImageKept) {
    UseFile(BuildWad(StandardMapLumps("E1M1", 1), "JWAD"));
    std::string out = CaptureStdout([&] {
        EXPECT_EQ(Find("E1M1", "THINGS"), -1);
        EXPECT_NE(image, nullptr);
        EXPECT_EQ(Find("E1M1", "THINGS"), -1);
    });
    EXPECT_EQ(out, "Invalid WAD file\nInvalid WAD file\n");
}

TEST_F(FindMapLumpTest, LetterCaseOfTheIdentificationMatters) {
    UseFile(BuildWad(StandardMapLumps("E1M1", 1), "iwad"));
    EXPECT_EQ(CaptureStdout([&] { Find("E1M1", "THINGS"); }), "Invalid WAD file\n");
}

TEST_F(FindMapLumpTest, LumpCountOfZeroOrBelowFindsNothingSilently) {
    for (int32_t count : {0, -1, INT32_MIN}) {
        std::vector<uint8_t> wad = BuildWad(StandardMapLumps("E1M1", 1));
        PatchI32(wad, 4, count);
        UseFile(wad);
        std::string out = CaptureStdout([&] { EXPECT_EQ(Find("E1M1", "THINGS"), -1); });
        EXPECT_EQ(out, "");
        EXPECT_EQ(size, 0xDEADBEEFu);
        FreeWadImage(image);
        image = nullptr;
    }
}

TEST_F(FindMapLumpTest, GateStaysClosedWhenNoEntryOccursInTheMapName) {
    UseFile(BuildWad(StandardMapLumps("E1M1", 1)));
    EXPECT_EQ(Find("E2M3", "THINGS"), -1);
    EXPECT_EQ(Find("E2M3", "NODES"), -1);
}

TEST_F(FindMapLumpTest, MarkerItselfIsTheFirstCandidate) {
    // "E1M1" occurs in the wanted name "E1M1X": the marker answers.
    UseFile(BuildWad(StandardMapLumps("E1M1", 1)));
    EXPECT_EQ(Find("E1M1", "E1M1X"), OffsetOf(0));
}

TEST_F(FindMapLumpTest, EmptyNameBeforeTheMarkerOpensTheGateAndMatchesAnything) {
    std::vector<TestLump> lumps = StandardMapLumps("E1M1", 1);
    lumps.insert(lumps.begin(), TestLump{"", ZeroBytes(3)});
    UseFile(BuildWad(lumps));
    EXPECT_EQ(Find("E3M9", "VERTEXES"), OffsetOf(0));
    EXPECT_EQ(size, 3u);
}

TEST_F(FindMapLumpTest, SectorsBeforeSsectorsAnswersTheSsectorsSearch) {
    std::vector<TestLump> lumps = {{"E1M1", {}},
                                   {"SECTORS", ZeroBytes(26)},
                                   {"SSECTORS", ZeroBytes(4)}};
    UseFile(BuildWad(lumps));
    EXPECT_EQ(Find("E1M1", "SSECTORS"), OffsetOf(1));
    EXPECT_EQ(size, 26u);
}

TEST_F(FindMapLumpTest, MapLackingALumpTakesTheNextMapsLump) {
    std::vector<TestLump> lumps = {{"E1M1", {}}, {"THINGS", ZeroBytes(10)}};
    std::vector<TestLump> second = StandardMapLumps("E1M2", 3);
    lumps.insert(lumps.end(), second.begin(), second.end());
    UseFile(BuildWad(lumps));
    EXPECT_EQ(Find("E1M1", "NODES"), OffsetOf(2 + 7));
    EXPECT_EQ(size, 84u);
}

TEST_F(FindMapLumpTest, EightCharacterNamesAreComparedInFull) {
    // The directory entry after SSECTORS starts with bytes that would read
    // as more name if the 8-byte field were not terminated.
    std::vector<TestLump> lumps = {{"E1M1", {}},
                                   {"SSECTORS", ZeroBytes(4)},
                                   {"VERTEXES", ZeroBytes(4)},
                                   {"SECTORS", ZeroBytes(26)}};
    UseFile(BuildWad(lumps));
    EXPECT_EQ(Find("E1M1", "SECTORS"), OffsetOf(3));
    EXPECT_EQ(Find("E1M1", "VERTEXES"), OffsetOf(2));
}

TEST_F(FindMapLumpTest, NamesDifferingInCaseDoNotMatch) {
    UseFile(BuildWad({{"e1m1", {}}, {"E1M1", {}}, {"nodes", ZeroBytes(28)},
                      {"NODES", ZeroBytes(56)}}));
    EXPECT_EQ(Find("E1M1", "NODES"), OffsetOf(3));
}

TEST_F(FindMapLumpTest, ZeroByteFileGivesAOneByteImageAndIsInvalid) {
    UseFile({});
    uint32_t fileSize = 99;
    uint8_t* read = ReadWadFile(&fileSize);
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(fileSize, 0u);
    EXPECT_EQ(read[0], 0);
    FreeWadImage(read);
    EXPECT_EQ(CaptureStdout([&] { Find("E1M1", "THINGS"); }), "Invalid WAD file\n");
}

TEST_F(FindMapLumpTest, HeaderShorterThanTwelveBytesIsInvalid) {
    std::vector<uint8_t> wad = BuildWad(StandardMapLumps("E1M1", 1));
    for (size_t length : {3, 4, 8, 11}) {
        UseFile(std::vector<uint8_t>(wad.begin(), wad.begin() + length));
        EXPECT_EQ(CaptureStdout([&] { EXPECT_EQ(Find("E1M1", "THINGS"), -1); }),
                  "Invalid WAD file\n");
        FreeWadImage(image);
        image = nullptr;
    }
}

TEST_F(FindMapLumpTest, DirectoryReachingPastTheEndFindsNothing) {
    std::vector<uint8_t> wad = BuildWad(StandardMapLumps("E1M1", 1));
    struct Damage {
        int32_t count;
        int32_t offset;
    };
    const int32_t dir = static_cast<int32_t>(DirEntryOffset(wad, 0));
    for (Damage d : {Damage{12, dir}, Damage{11, dir + 1}, Damage{11, -16}, Damage{11, INT32_MAX},
                     Damage{INT32_MAX, dir}}) {
        std::vector<uint8_t> damaged = wad;
        PatchI32(damaged, 4, d.count);
        PatchI32(damaged, 8, d.offset);
        UseFile(damaged);
        EXPECT_EQ(CaptureStdout([&] { EXPECT_EQ(Find("E1M1", "THINGS"), -1); }), "");
        FreeWadImage(image);
        image = nullptr;
    }
    // A directory cut to the entries that do fit works.
    PatchI32(wad, 4, 3);
    UseFile(std::vector<uint8_t>(wad.begin(), wad.begin() + DirEntryOffset(wad, 3)));
    EXPECT_EQ(Find("E1M1", "LINEDEFS"), OffsetOf(2));
}

TEST_F(FindMapLumpTest, LumpReachingPastTheEndIsNotFound) {
    std::vector<uint8_t> wad = BuildWad(StandardMapLumps("E1M1", 1));
    const size_t things = DirEntryOffset(wad, 1);
    struct Damage {
        int32_t offset;
        int32_t size;
    };
    const int32_t fileSize = static_cast<int32_t>(wad.size());
    for (Damage d : {Damage{fileSize - 4, 5}, Damage{-1, 10}, Damage{12, -1}, Damage{12, INT32_MIN},
                     Damage{INT32_MAX, 10}, Damage{fileSize + 1, 0}}) {
        std::vector<uint8_t> damaged = wad;
        PatchI32(damaged, things, d.offset);
        PatchI32(damaged, things + 4, d.size);
        UseFile(damaged);
        size = 0xDEADBEEF;
        EXPECT_EQ(Find("E1M1", "THINGS"), -1) << d.offset << " " << d.size;
        EXPECT_EQ(size, 0xDEADBEEFu);
        EXPECT_NE(Find("E1M1", "NODES"), -1);
        FreeWadImage(image);
        image = nullptr;
    }
}

TEST_F(FindMapLumpTest, LumpOfSizeZeroPointsWhereItsOffsetDoes) {
    std::vector<uint8_t> wad = BuildWad(StandardMapLumps("E1M1", 1));
    const size_t things = DirEntryOffset(wad, 1);
    PatchI32(wad, things, static_cast<int32_t>(wad.size()));
    PatchI32(wad, things + 4, 0);
    UseFile(wad);
    EXPECT_EQ(Find("E1M1", "THINGS"), static_cast<long>(wad.size()));
    EXPECT_EQ(size, 0u);
}

}  // namespace
