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

// The pixels read in place (0), read back (1) or copied to the screen (2).
std::vector<uint32_t> Read(HDC dc, HBITMAP bitmap, int reader) {
    std::vector<uint32_t> pixels(kPixels, 0x12345678u);
    int stride = 0;
    if (reader == 0) {
        const uint32_t* at = BitmapPixels(bitmap, nullptr, nullptr, &stride);
        for (int i = 0; i < kPixels; ++i) pixels[i] = at[i / kWidth * stride + i % kWidth];
    } else if (reader == 1) {
        GetBitmapBits(bitmap, kPixels * 4, pixels.data());
    } else {
        HGDIOBJ previous = SelectObject(dc, bitmap);
        HDC screen = CreateHostSurfaceDC(pixels.data(), kWidth, kHeight, kWidth);
        StretchBlt(screen, 0, 0, kWidth, kHeight, dc, 0, 0, kWidth, kHeight, SRCCOPY);
        DeleteDC(screen);
        SelectObject(dc, previous);
    }
    return pixels;
}

TEST(NewBitmap, IsBlackWhereNothingWasUploadedOrDrawn) {
    HDC dc = CreateCompatibleDC(nullptr);
    const uint32_t two[2] = {0x010203u, 0x040506u};
    // Nothing first, then two pixels uploaded, then two drawn in white.
    for (int first = 0; first < 3; ++first) {
        for (int reader = 0; reader < 3; ++reader) {
            HBITMAP bitmap = NewBitmapOverAWhiteOne();
            std::vector<uint32_t> expected(kPixels, 0u);
            if (first == 1) {
                SetBitmapBits(bitmap, sizeof two, two);
                expected[0] = two[0], expected[1] = two[1];
            } else if (first == 2) {
                HGDIOBJ previous = SelectObject(dc, bitmap);
                HGDIOBJ pen = SelectObject(dc, GetStockObject(WHITE_PEN));
                MoveToEx(dc, 0, 0, nullptr);
                LineTo(dc, 2, 0);
                SelectObject(dc, pen);
                SelectObject(dc, previous);
                expected[0] = expected[1] = 0xFFFFFFu;
            }
            EXPECT_EQ(Read(dc, bitmap, reader), expected) << first << " then " << reader;
            DeleteObject(bitmap);
        }
    }
    DeleteDC(dc);
}

}  // namespace
