#include "texture/texture_store.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "wad/level_view.h"

namespace {

// textureStore starts out at the static area; kept before any test moves it.
uint32_t* const staticArea = textureStore;

constexpr uint32_t kWhite = 0xFFFFFFFF;
constexpr uint32_t kBlack = 0;

uint32_t BoardPixel(const uint32_t* store, int row, int column) {
    return store[row * 512 + column];
}

// A 54-byte header holding only the width and height, then the pixel bytes.
std::vector<uint8_t> BitmapFile(int32_t width, int32_t height, const std::vector<uint8_t>& pixels) {
    std::vector<uint8_t> file(54 + pixels.size(), 0);
    memcpy(file.data() + 18, &width, 4);
    memcpy(file.data() + 22, &height, 4);
    std::copy(pixels.begin(), pixels.end(), file.begin() + 54);
    return file;
}

// Each test runs in a fresh empty folder, since map.bmp is read from the
// current one, with the checkerboard as the store.
class TextureStoreTest : public testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/vellumtarn-texture-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder = pattern;
        ASSERT_NE(getcwd(previousFolder, sizeof previousFolder), nullptr);
        ASSERT_EQ(chdir(folder.c_str()), 0);
        textureStore = staticArea;
        FillCheckerboard();
    }
    void TearDown() override {
        ASSERT_EQ(chdir(previousFolder), 0);
        remove((folder + "/map.bmp").c_str());
        rmdir(folder.c_str());
        if (textureStore != staticArea) free(textureStore);
        textureStore = staticArea;
    }

    static void WriteMapBmp(const std::vector<uint8_t>& bytes) {
        FILE* file = fopen("map.bmp", "wb");
        ASSERT_NE(file, nullptr);
        ASSERT_EQ(fwrite(bytes.data(), 1, bytes.size(), file), bytes.size());
        fclose(file);
    }

    static void ExpectCheckerboardKept() {
        EXPECT_EQ(textureStore, staticArea);
        EXPECT_EQ(BoardPixel(staticArea, 0, 0), kWhite);
        EXPECT_EQ(BoardPixel(staticArea, 0, 64), kBlack);
        EXPECT_EQ(BoardPixel(staticArea, 511, 511), kWhite);
    }

    std::string folder;
    char previousFolder[4096] = {};
    int32_t width = -7;
    int32_t height = -7;
};

TEST_F(TextureStoreTest, CheckerboardHasWhiteAndBlackSquaresOf64Pixels) {
    EXPECT_EQ(BoardPixel(textureStore, 0, 0), kWhite);
    EXPECT_EQ(BoardPixel(textureStore, 64, 64), kWhite);
    EXPECT_EQ(BoardPixel(textureStore, 0, 64), kBlack);
    EXPECT_EQ(BoardPixel(textureStore, 64, 0), kBlack);
    EXPECT_EQ(BoardPixel(textureStore, 63, 63), kWhite);
    EXPECT_EQ(BoardPixel(textureStore, 63, 64), kBlack);
    EXPECT_EQ(BoardPixel(textureStore, 511, 384), kBlack);
    EXPECT_EQ(BoardPixel(textureStore, 511, 511), kWhite);
}

TEST_F(TextureStoreTest, ConversionReversesEachPixelAndAddsAZeroByte) {
    const uint8_t source[] = {10, 20, 30, 40, 50, 60};
    uint32_t* block = ExpandRgbToRgbx(2, 1, source);
    ASSERT_NE(block, nullptr);
    const uint8_t expected[] = {30, 20, 10, 0, 60, 50, 40, 0};
    EXPECT_EQ(memcmp(block, expected, sizeof expected), 0);
    free(block);
}

TEST_F(TextureStoreTest, MissingFileWritesTheErrorLineAndKeepsTheCheckerboard) {
    testing::internal::CaptureStderr();
    LoadTextureImage(&width, &height);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Unable to write file: No such file or directory\n");
    EXPECT_EQ(width, -7);
    EXPECT_EQ(height, -7);
    ExpectCheckerboardKept();
}

TEST_F(TextureStoreTest, ImageIsReadIntoTheStaticAreaAndConverted) {
    const std::vector<uint8_t> pixels = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    WriteMapBmp(BitmapFile(2, 2, pixels));
    LoadTextureImage(&width, &height);
    EXPECT_EQ(width, 2);
    EXPECT_EQ(height, 2);
    ASSERT_NE(textureStore, staticArea);
    const uint8_t expected[] = {3, 2, 1, 0, 6, 5, 4, 0, 9, 8, 7, 0, 12, 11, 10, 0};
    EXPECT_EQ(memcmp(textureStore, expected, sizeof expected), 0);
    // The raw bytes lie over the start of the checkerboard; the rest stays.
    EXPECT_EQ(memcmp(staticArea, pixels.data(), pixels.size()), 0);
    EXPECT_EQ(BoardPixel(staticArea, 0, 3), kWhite);
    EXPECT_EQ(BoardPixel(staticArea, 0, 64), kBlack);
}

TEST_F(TextureStoreTest, ZeroHeaderGivesAnEmptyImageAndReadsNothing) {
    WriteMapBmp(BitmapFile(0, 0, {}));
    LoadTextureImage(&width, &height);
    EXPECT_EQ(width, 0);
    EXPECT_EQ(height, 0);
    EXPECT_NE(textureStore, staticArea);
    EXPECT_EQ(BoardPixel(staticArea, 0, 0), kWhite);
}

TEST_F(TextureStoreTest, HeaderOutsideTheStaticAreaIsRefusedWithoutReading) {
    const int32_t refused[][2] = {
        {2049, 2048},        // one row more than the area holds
        {-1, 4},             // negative width
        {4, -1},             // negative height
        {-2, -2},            // a positive product from two negatives
        {65536, 65536},      // the 32-bit byte count wraps to 0
        {0x40000000, 0x40},  // the 32-bit byte count wraps to 0 as well
    };
    for (const auto& size : refused) {
        SCOPED_TRACE(testing::Message() << size[0] << " x " << size[1]);
        WriteMapBmp(BitmapFile(size[0], size[1], std::vector<uint8_t>(64, 0x55)));
        LoadTextureImage(&width, &height);
        EXPECT_EQ(width, size[0]);
        EXPECT_EQ(height, size[1]);
        ExpectCheckerboardKept();
    }
}

TEST_F(TextureStoreTest, LargestImageTheAreaHoldsIsAccepted) {
    WriteMapBmp(BitmapFile(2048, 2048, {1, 2, 3}));
    LoadTextureImage(&width, &height);
    ASSERT_NE(textureStore, staticArea);
    EXPECT_EQ(textureStore[0], 0x00010203u);
}

TEST_F(TextureStoreTest, ConversionOfAnEmptyOrImpossibleSizeConvertsNothing) {
    const uint8_t source[] = {1, 2, 3};
    for (const auto& size : {std::pair{0, 5}, std::pair{-1, -1}, std::pair{1 << 30, 2}}) {
        uint32_t* block = ExpandRgbToRgbx(size.first, size.second, source);
        EXPECT_NE(block, nullptr);
        free(block);
    }
}

}  // namespace
