// Bitmap upload and read-back, block transfers, and the host surface.
#include <gtest/gtest.h>

#include "platform/gdi/host_surface.h"
#include "tests/platform/gdi/gdi_test_surface.h"

namespace {

TEST(BitmapBits, RoundTripKeepsBlueGreenRedOrderAgainstCOLORREF) {
    TestSurface surface(3, 2, 0);
    uint8_t bytes[24];
    for (int i = 0; i < 24; ++i) bytes[i] = i % 4 == 3 ? 0 : uint8_t(i - i / 4 + 1);
    EXPECT_EQ(SetBitmapBits(surface.bitmap, sizeof bytes, bytes), 24);
    // Byte order blue, green, red: the first pixel reads 0x00030201.
    EXPECT_EQ(surface.At(0, 0), 0x030201u);
    EXPECT_EQ(surface.At(2, 1), 0x121110u);
    {
        Selection pen(surface, CreatePen(PS_SOLID, 1, RGB(0x11, 0x22, 0x33)));
        surface.Line(1, 0, 2, 0);
    }
    bytes[4] = 0x33, bytes[5] = 0x22, bytes[6] = 0x11;
    uint8_t back[24] = {};
    EXPECT_EQ(GetBitmapBits(surface.bitmap, sizeof back, back), 24);
    EXPECT_EQ(memcmp(back, bytes, 24), 0);

    // Short counts copy that many bytes, long ones stop at the bitmap's size.
    uint8_t partial[8] = {}, larger[40] = {};
    EXPECT_EQ(GetBitmapBits(surface.bitmap, 6, partial), 6);
    EXPECT_EQ(partial[5], 0x22);
    EXPECT_EQ(partial[6], 0);
    EXPECT_EQ(SetBitmapBits(surface.bitmap, sizeof larger, larger), 24);
    EXPECT_EQ(surface.At(2, 1), 0u);
}

TEST(StretchBlt, EqualSizesCopyPixelForPixelClippedToBothBitmaps) {
    TestSurface source(4, 3, 0), dest(5, 4), shifted(5, 4);
    std::vector<uint32_t> pixels(12);
    for (int i = 0; i < 12; ++i) pixels[i] = 0x010101u * (i + 1);
    SetBitmapBits(source.bitmap, 48, pixels.data());
    EXPECT_TRUE(StretchBlt(dest.dc, 0, 0, 4, 3, source.dc, 0, 0, 4, 3, SRCCOPY));
    EXPECT_EQ(dest.Pixels(0, 0, 4, 3), pixels);
    EXPECT_EQ(dest.Changed().size(), 12u);
    StretchBlt(shifted.dc, 3, -1, 4, 3, source.dc, 0, 0, 4, 3, SRCCOPY);
    EXPECT_EQ(shifted.At(3, 0), source.At(0, 1));
    EXPECT_EQ(shifted.At(4, 1), source.At(1, 2));
    EXPECT_EQ(shifted.Changed().size(), 4u);
    // A source rectangle reaching past the source, on either side, copies
    // only its part inside and reads nothing beyond.
    TestSurface past(5, 4), before(5, 4);
    StretchBlt(past.dc, 0, 0, 4, 3, source.dc, 2, 1, 4, 3, SRCCOPY);
    EXPECT_EQ(past.Pixels(0, 0, 2, 2), source.Pixels(2, 1, 2, 2));
    EXPECT_EQ(past.Changed().size(), 4u);
    StretchBlt(before.dc, 0, 0, 2, 2, source.dc, -1, -1, 2, 2, SRCCOPY);
    EXPECT_EQ(before.At(1, 1), source.At(0, 0));
    EXPECT_EQ(before.Changed().size(), 1u);
    EXPECT_FALSE(StretchBlt(shifted.dc, 0, 0, 8, 6, source.dc, 0, 0, 4, 3, SRCCOPY)) << "stretched";
}

TEST(HostSurface, DrawsIntoTheCallersPixelsRowsAStrideApart) {
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
}

}  // namespace
