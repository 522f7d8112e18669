// A new bitmap is black, whatever memory it is given and in whatever order
// it is then selected, uploaded or read.
#include <gtest/gtest.h>

#include <vector>

#include "platform/gdi/host_surface.h"
#include "platform/windows_api.h"

namespace {

// Wide enough that the rows lie further apart than the width.
constexpr int kWidth = 37;
constexpr int kHeight = 3;
constexpr int kPixels = kWidth * kHeight;

// Leaves behind, deleted, a bitmap of the test's size whose every byte is set.
void DeleteAWhiteBitmap() {
    HBITMAP bitmap = CreateCompatibleBitmap(nullptr, kWidth, kHeight);
    const std::vector<uint32_t> white(kPixels, 0xFFFFFFFFu);
    SetBitmapBits(bitmap, kPixels * 4, white.data());
    ASSERT_TRUE(DeleteObject(bitmap));
}

std::vector<uint32_t> ReadBack(HBITMAP bitmap) {
    std::vector<uint32_t> pixels(kPixels, 0x12345678u);
    GetBitmapBits(bitmap, kPixels * 4, pixels.data());
    return pixels;
}

TEST(NewBitmap, ReadsBlackAfterABitmapOfTheSameSizeWasDeleted) {
    DeleteAWhiteBitmap();
    HBITMAP bitmap = CreateCompatibleBitmap(nullptr, kWidth, kHeight);
    EXPECT_EQ(ReadBack(bitmap), std::vector<uint32_t>(kPixels, 0u));
    DeleteObject(bitmap);

    DeleteAWhiteBitmap();
    bitmap = CreateCompatibleBitmap(nullptr, kWidth, kHeight);
    int stride = 0;
    const uint32_t* pixels = BitmapPixels(bitmap, nullptr, nullptr, &stride);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) EXPECT_EQ(pixels[y * stride + x], 0u) << x << "," << y;
    }
    DeleteObject(bitmap);
}

TEST(NewBitmap, APartialUploadLeavesTheRestBlack) {
    DeleteAWhiteBitmap();
    HBITMAP bitmap = CreateCompatibleBitmap(nullptr, kWidth, kHeight);
    const uint32_t first[2] = {0x010203u, 0x040506u};
    EXPECT_EQ(SetBitmapBits(bitmap, sizeof first, first), LONG(sizeof first));
    std::vector<uint32_t> expected(kPixels, 0u);
    expected[0] = first[0];
    expected[1] = first[1];
    EXPECT_EQ(ReadBack(bitmap), expected);
    DeleteObject(bitmap);
}

TEST(NewBitmap, DrawnIntoBeforeAnyUploadIsBlackWhereNothingWasDrawn) {
    DeleteAWhiteBitmap();
    HBITMAP bitmap = CreateCompatibleBitmap(nullptr, kWidth, kHeight);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, bitmap);
    HGDIOBJ pen = SelectObject(dc, GetStockObject(WHITE_PEN));
    MoveToEx(dc, 0, 0, nullptr);
    LineTo(dc, 2, 0);
    std::vector<uint32_t> expected(kPixels, 0u);
    expected[0] = expected[1] = 0xFFFFFFu;
    EXPECT_EQ(ReadBack(bitmap), expected);
    SelectObject(dc, pen);
    SelectObject(dc, previous);
    DeleteDC(dc);
    DeleteObject(bitmap);
}

TEST(NewBitmap, AWholeUploadIsWhatIsDrawnOnAndCopied) {
    DeleteAWhiteBitmap();
    HBITMAP bitmap = CreateCompatibleBitmap(nullptr, kWidth, kHeight);
    std::vector<uint32_t> upload(kPixels);
    for (int i = 0; i < kPixels; ++i) upload[i] = 0x010101u * uint32_t(i + 1);
    SetBitmapBits(bitmap, kPixels * 4, upload.data());
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, bitmap);
    std::vector<uint32_t> screen(kPixels, 0u);
    HDC screenDc = CreateHostSurfaceDC(screen.data(), kWidth, kHeight, kWidth);
    StretchBlt(screenDc, 0, 0, kWidth, kHeight, dc, 0, 0, kWidth, kHeight, SRCCOPY);
    EXPECT_EQ(screen, upload);
    DeleteDC(screenDc);
    SelectObject(dc, previous);
    DeleteDC(dc);
    DeleteObject(bitmap);
}

}  // namespace
