// A new bitmap is black, whatever memory it is given and in whatever order
// it is then uploaded, drawn on, read or copied.
#include <gtest/gtest.h>

#include <vector>

#include "platform/gdi/host_surface.h"
#include "platform/windows_api.h"

namespace {

// Wide enough that the rows lie further apart than the width.
constexpr int kWidth = 37, kHeight = 3, kPixels = kWidth * kHeight;

// A bitmap of the test's size made where one whose every byte was set lay.
HBITMAP NewBitmapOverAWhiteOne() {
    HBITMAP white = CreateCompatibleBitmap(nullptr, kWidth, kHeight);
    const std::vector<uint32_t> bits(kPixels, 0xFFFFFFFFu);
    SetBitmapBits(white, kPixels * 4, bits.data());
    EXPECT_TRUE(DeleteObject(white));
    return CreateCompatibleBitmap(nullptr, kWidth, kHeight);
}

std::vector<uint32_t> ReadBack(HBITMAP bitmap) {
    std::vector<uint32_t> pixels(kPixels, 0x12345678u);
    GetBitmapBits(bitmap, kPixels * 4, pixels.data());
    return pixels;
}

TEST(NewBitmap, IsBlackWhereNothingWasUploadedOrDrawn) {
    std::vector<uint32_t> expected(kPixels, 0u);
    HBITMAP bitmap = NewBitmapOverAWhiteOne();
    int stride = 0;
    const uint32_t* pixels = BitmapPixels(bitmap, nullptr, nullptr, &stride);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) EXPECT_EQ(pixels[y * stride + x], 0u) << x << "," << y;
    }
    DeleteObject(bitmap);
    bitmap = NewBitmapOverAWhiteOne();
    EXPECT_EQ(ReadBack(bitmap), expected);
    DeleteObject(bitmap);

    bitmap = NewBitmapOverAWhiteOne();
    const uint32_t first[2] = {0x010203u, 0x040506u};
    EXPECT_EQ(SetBitmapBits(bitmap, sizeof first, first), LONG(sizeof first));
    expected[0] = first[0], expected[1] = first[1];
    EXPECT_EQ(ReadBack(bitmap), expected);
    DeleteObject(bitmap);

    bitmap = NewBitmapOverAWhiteOne();
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, bitmap), pen = SelectObject(dc, GetStockObject(WHITE_PEN));
    MoveToEx(dc, 0, 0, nullptr);
    LineTo(dc, 2, 0);
    expected[0] = expected[1] = 0xFFFFFFu;
    EXPECT_EQ(ReadBack(bitmap), expected);
    SelectObject(dc, pen);
    SelectObject(dc, previous);
    DeleteObject(bitmap);

    // A whole upload is what is copied.
    bitmap = NewBitmapOverAWhiteOne();
    std::vector<uint32_t> upload(kPixels), screen(kPixels, 0u);
    for (int i = 0; i < kPixels; ++i) upload[i] = 0x010101u * uint32_t(i + 1);
    SetBitmapBits(bitmap, kPixels * 4, upload.data());
    previous = SelectObject(dc, bitmap);
    HDC screenDc = CreateHostSurfaceDC(screen.data(), kWidth, kHeight, kWidth);
    StretchBlt(screenDc, 0, 0, kWidth, kHeight, dc, 0, 0, kWidth, kHeight, SRCCOPY);
    EXPECT_EQ(screen, upload);
    DeleteDC(screenDc);
    SelectObject(dc, previous);
    DeleteDC(dc);
    DeleteObject(bitmap);
}

}  // namespace
