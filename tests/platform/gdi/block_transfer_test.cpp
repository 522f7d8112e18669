// Bitmap upload and read-back, block transfers, and the host surface.
#include <gtest/gtest.h>

#include "platform/gdi/host_surface.h"
#include "tests/platform/gdi/gdi_test_surface.h"

namespace {

TEST(BitmapBits, RoundTripKeepsBlueGreenRedOrderAgainstCOLORREF) {
    TestSurface surface(3, 2, 0);
    const uint8_t upload[24] = {1,  2,  3,  0, 4,  5,  6,  0, 7,  8,  9,  0,
                                10, 11, 12, 0, 13, 14, 15, 0, 16, 17, 18, 0};
    EXPECT_EQ(SetBitmapBits(surface.bitmap, sizeof upload, upload), 24);
    // Byte order blue, green, red: the first pixel reads 0x00030201.
    EXPECT_EQ(surface.At(0, 0), 0x030201u);
    EXPECT_EQ(surface.At(2, 1), 0x121110u);

    {
        Selection pen(surface, CreatePen(PS_SOLID, 1, RGB(0x11, 0x22, 0x33)));
        surface.Line(1, 0, 2, 0);
    }

    uint8_t back[24] = {};
    EXPECT_EQ(GetBitmapBits(surface.bitmap, sizeof back, back), 24);
    const uint8_t expected[24] = {1,  2,  3,  0, 0x33, 0x22, 0x11, 0, 7,  8,  9,  0,
                                  10, 11, 12, 0, 13,   14,   15,   0, 16, 17, 18, 0};
    EXPECT_EQ(memcmp(back, expected, 24), 0);

    // Short counts copy that many bytes, long ones stop at the bitmap's size.
    uint8_t partial[8] = {};
    EXPECT_EQ(GetBitmapBits(surface.bitmap, 6, partial), 6);
    EXPECT_EQ(partial[5], 0x22);
    EXPECT_EQ(partial[6], 0);
    uint8_t larger[40] = {};
    EXPECT_EQ(SetBitmapBits(surface.bitmap, sizeof larger, larger), 24);
    EXPECT_EQ(surface.At(2, 1), 0u);
}

TEST(StretchBlt, EqualSizesCopyPixelForPixelClippedToBothBitmaps) {
    TestSurface source(4, 3, 0);
    std::vector<uint32_t> pixels(12);
    for (int i = 0; i < 12; ++i) pixels[i] = 0x010101u * (i + 1);
    SetBitmapBits(source.bitmap, 48, pixels.data());
    TestSurface dest(5, 4, kWhitePixel);
    EXPECT_TRUE(StretchBlt(dest.dc, 0, 0, 4, 3, source.dc, 0, 0, 4, 3, SRCCOPY));
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 4; ++x) EXPECT_EQ(dest.At(x, y), source.At(x, y));
    }
    EXPECT_EQ(dest.At(4, 0), kWhitePixel);
    EXPECT_EQ(dest.At(0, 3), kWhitePixel);

    TestSurface shifted(5, 4, kWhitePixel);
    StretchBlt(shifted.dc, 3, -1, 4, 3, source.dc, 0, 0, 4, 3, SRCCOPY);
    EXPECT_EQ(shifted.At(3, 0), source.At(0, 1));
    EXPECT_EQ(shifted.At(4, 1), source.At(1, 2));
    EXPECT_EQ(shifted.Changed().size(), 4u);
}

TEST(StretchBlt, OtherSizesTakeTheNearestSourcePixel) {
    TestSurface source(2, 1, 0);
    const uint32_t two[2] = {0x111111, 0x222222};
    SetBitmapBits(source.bitmap, 8, two);
    TestSurface dest(4, 2, kWhitePixel);
    StretchBlt(dest.dc, 0, 0, 4, 2, source.dc, 0, 0, 2, 1, SRCCOPY);
    EXPECT_EQ(dest.At(1, 1), 0x111111u);
    EXPECT_EQ(dest.At(2, 0), 0x222222u);
}

TEST(HostSurface, DrawsIntoTheCallersPixelsRowsAStrideApart) {
    const DWORD start = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    std::vector<uint32_t> pixels(6 * 3, 0xABCDEF);
    HDC dc = CreateHostSurfaceDC(pixels.data(), 4, 3, 6);
    Rectangle(dc, -5, -5, 50, 50);
    MoveToEx(dc, 0, 1, nullptr);
    LineTo(dc, 100, 1);
    EXPECT_EQ(pixels[0], kWhitePixel);
    EXPECT_EQ(pixels[6 + 3], kBlackPixel);
    EXPECT_EQ(pixels[4], 0xABCDEFu);
    EXPECT_EQ(pixels[6 + 5], 0xABCDEFu);

    TestSurface frame(4, 3);
    StretchBlt(dc, 0, 0, 4, 3, frame.dc, 0, 0, 4, 3, SRCCOPY);
    EXPECT_EQ(pixels[6 + 3], kWhitePixel);
    EXPECT_TRUE(DeleteDC(dc));
    EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), start + 2);

    int width = 0, height = 0, stride = 0;
    EXPECT_EQ(BitmapPixels(frame.bitmap, &width, &height, &stride)[0], kWhitePixel);
    EXPECT_EQ(width, 4);
    EXPECT_EQ(height, 3);
    EXPECT_GE(stride, width);
}

}  // namespace
