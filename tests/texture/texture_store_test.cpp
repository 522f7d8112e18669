#include "texture/texture_store.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

#include "wad/level_view.h"

namespace {

// textureStore starts out at the static area; kept before any test moves it.
uint32_t* const staticArea = textureStore;
constexpr uint32_t kWhite = 0xFFFFFFFF;

uint32_t Board(int row, int column) {
    return staticArea[row * 512 + column];
}

// The store is the 512 x 512 checkerboard of 64-pixel squares, white first.
void ExpectCheckerboardKept() {
    EXPECT_EQ(textureStore, staticArea);
    const struct {
        int row, column;
        bool white;
    } cells[] = {{0, 0, true},   {64, 64, true}, {63, 63, true},  {511, 511, true},
                 {0, 64, false}, {64, 0, false}, {63, 64, false}, {511, 384, false}};
    for (const auto& c : cells) {
        EXPECT_EQ(Board(c.row, c.column), c.white ? kWhite : 0u) << c.row << "," << c.column;
    }
}

// Each test runs in a fresh empty folder (map.bmp is read from the current one).
class TextureStoreTest : public testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/vellumtarn-texture-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        std::filesystem::current_path(folder = pattern);
        FillCheckerboard();
    }
    void TearDown() override {
        std::filesystem::current_path(previous);
        std::filesystem::remove_all(folder);
        if (textureStore != staticArea) free(textureStore);
        textureStore = staticArea;
    }

    // A 54-byte header holding only the width and height, then the pixels.
    void LoadBitmap(int32_t w, int32_t h, const std::vector<uint8_t>& pixels) {
        std::vector<uint8_t> bytes(54, 0);
        memcpy(&bytes[18], &w, 4);
        memcpy(&bytes[22], &h, 4);
        bytes.insert(bytes.end(), pixels.begin(), pixels.end());
        std::ofstream("map.bmp", std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::ssize(bytes));
        LoadTextureImage(&width, &height);
    }

    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::path folder;
    int32_t width = -7, height = -7;
};

TEST_F(TextureStoreTest, MissingFileWritesTheErrorLineAndKeepsTheCheckerboard) {
    testing::internal::CaptureStderr();
    LoadTextureImage(&width, &height);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Unable to write file: No such file or directory\n");
    EXPECT_EQ(std::pair(width, height), std::pair(-7, -7));
    ExpectCheckerboardKept();
}

TEST_F(TextureStoreTest, ImageIsReadIntoTheStaticAreaAndConverted) {
    const std::vector<uint8_t> pixels = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    LoadBitmap(2, 2, pixels);
    EXPECT_EQ(std::pair(width, height), std::pair(2, 2));
    const uint8_t expected[] = {3, 2, 1, 0, 6, 5, 4, 0, 9, 8, 7, 0, 12, 11, 10, 0};
    EXPECT_EQ(memcmp(textureStore, expected, sizeof expected), 0);
    EXPECT_EQ(memcmp(staticArea, pixels.data(), pixels.size()), 0) << "read raw into the area";
}

TEST_F(TextureStoreTest, ZeroHeaderGivesAnEmptyImageAndReadsNothing) {
    LoadBitmap(0, 0, {});
    EXPECT_EQ(std::pair(width, height), std::pair(0, 0));
    EXPECT_NE(textureStore, staticArea);
    EXPECT_EQ(Board(0, 0), kWhite);
}

TEST_F(TextureStoreTest, HeaderOutsideTheStaticAreaIsRefusedWithoutReading) {
    // Too tall, negative, a positive product of negatives, 32-bit byte counts wrapping to 0.
    for (const auto& size :
         {std::pair{2049, 2048}, {-1, 4}, {4, -1}, {-2, -2}, {65536, 65536}, {0x40000000, 0x40}}) {
        SCOPED_TRACE(testing::Message() << size.first << " x " << size.second);
        LoadBitmap(size.first, size.second, std::vector<uint8_t>(64, 0x55));
        EXPECT_EQ(std::pair(width, height), size);
        ExpectCheckerboardKept();
    }
    LoadBitmap(2048, 2048, {1, 2, 3});  // the largest image the area holds
    EXPECT_EQ(textureStore[0], 0x00010203u);
}

}  // namespace
