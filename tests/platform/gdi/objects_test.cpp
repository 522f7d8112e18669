// Objects and device contexts: defaults, selection, deletion, the count.
#include <gtest/gtest.h>

#include "tests/platform/gdi/gdi_test_surface.h"

namespace {

DWORD LiveObjects() {
    return GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
}

TEST(DeviceContext, FreshOneHoldsTheStockDefaults) {
    HDC dc = CreateCompatibleDC(nullptr);
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(1, 2, 3));
    HBRUSH brush = CreateHatchBrush(HS_CROSS, RGB(1, 2, 3));
    EXPECT_EQ(SelectObject(dc, pen), GetStockObject(BLACK_PEN));
    EXPECT_EQ(SelectObject(dc, brush), GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(SelectObject(dc, GetStockObject(SYSTEM_FONT)), GetStockObject(SYSTEM_FONT));
    SelectObject(dc, GetStockObject(BLACK_PEN));
    SelectObject(dc, GetStockObject(WHITE_BRUSH));
    DeleteObject(pen);
    DeleteObject(brush);
    DeleteDC(dc);

    // What the defaults draw: black lines, white fills, black text on white.
    TestSurface surface(24, 20, 0x808080);
    surface.Line(0, 19, 5, 19);
    Rectangle(surface.dc, 0, 0, 4, 4);
    RECT rect{8, 0, 16, 16};
    DrawTextA(surface.dc, "T", -1, &rect, 0);
    EXPECT_EQ(surface.At(0, 19), kBlackPixel);
    EXPECT_EQ(surface.At(1, 1), kWhitePixel);
    EXPECT_EQ(surface.At(8, 0), kWhitePixel);
    EXPECT_EQ(surface.At(11, 4), kBlackPixel);
}

TEST(DeviceContext, DefaultBitmapIsOnePixelAndABitmapIsSelectedOnlyOnce) {
    HDC first = CreateCompatibleDC(nullptr);
    HDC second = CreateCompatibleDC(first);
    HBITMAP bitmap = CreateCompatibleBitmap(first, 3, 2);
    HGDIOBJ stock = SelectObject(first, bitmap);
    ASSERT_NE(stock, nullptr);
    // The previous bitmap is the 1x1 one every fresh context holds.
    EXPECT_EQ(SelectObject(second, stock), stock);
    EXPECT_EQ(SelectObject(second, bitmap), nullptr);
    EXPECT_EQ(SelectObject(first, stock), bitmap);
    EXPECT_EQ(SelectObject(second, bitmap), stock);
    EXPECT_EQ(SelectObject(second, stock), bitmap);
    DeleteDC(first);
    DeleteDC(second);
    EXPECT_TRUE(DeleteObject(bitmap));
}

TEST(Objects, CountReturnsToItsStartAfterAThousandCycles) {
    const DWORD start = LiveObjects();
    for (int i = 0; i < 1000; ++i) {
        HDC dc = CreateCompatibleDC(nullptr);
        HBITMAP bitmap = CreateCompatibleBitmap(dc, 4, 4);
        HPEN pen = CreatePen(i % 2 ? PS_DOT : PS_SOLID, i % 2 ? 1 : 2, RGB(i, 0, 0));
        HBRUSH brush = CreateHatchBrush(HS_CROSS, 0x404040);
        EXPECT_EQ(LiveObjects(), start + 4);
        HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
        HGDIOBJ oldPen = SelectObject(dc, pen);
        HGDIOBJ oldBrush = SelectObject(dc, brush);
        MoveToEx(dc, 0, 0, nullptr);
        LineTo(dc, 3, 3);
        Rectangle(dc, 0, 0, 4, 4);
        SelectObject(dc, oldBitmap);
        SelectObject(dc, oldPen);
        SelectObject(dc, oldBrush);
        DeleteDC(dc);
        EXPECT_TRUE(DeleteObject(bitmap));
        EXPECT_TRUE(DeleteObject(pen));
        EXPECT_TRUE(DeleteObject(brush));
    }
    EXPECT_EQ(LiveObjects(), start);
}

TEST(Objects, SelectedPenCannotBeDeletedAndStaysUsable) {
    const DWORD start = LiveObjects();
    TestSurface surface(8, 4);
    HPEN pen = CreatePen(PS_SOLID, 0, RGB(255, 0, 0));
    HGDIOBJ old = SelectObject(surface.dc, pen);
    EXPECT_FALSE(DeleteObject(pen));
    surface.Line(0, 1, 8, 1);
    EXPECT_EQ(surface.At(7, 1), 0xFF0000u);
    SelectObject(surface.dc, old);
    EXPECT_TRUE(DeleteObject(pen));
    EXPECT_EQ(LiveObjects(), start + 2);  // the surface's context and bitmap
}

TEST(Objects, DeleteDCLeavesItsObjectsAndStockObjectsLive) {
    const DWORD start = LiveObjects();
    HDC dc = CreateCompatibleDC(nullptr);
    HPEN pen = CreatePen(PS_SOLID, 3, RGB(0, 0, 255));
    SelectObject(dc, pen);
    EXPECT_TRUE(DeleteDC(dc));
    EXPECT_EQ(LiveObjects(), start + 1);
    EXPECT_TRUE(DeleteObject(pen));
    EXPECT_EQ(LiveObjects(), start);

    HGDIOBJ black = GetStockObject(BLACK_PEN);
    EXPECT_TRUE(DeleteObject(black));
    EXPECT_EQ(GetStockObject(BLACK_PEN), black);
    TestSurface surface(4, 2);
    SelectObject(surface.dc, black);
    surface.Line(0, 0, 4, 0);
    EXPECT_EQ(surface.At(3, 0), kBlackPixel);
    EXPECT_EQ(LiveObjects(), start + 2);
}

TEST(Objects, UnsupportedRequestsFail) {
    EXPECT_EQ(CreatePen(PS_SOLID, 4, 0), nullptr);
    EXPECT_EQ(CreatePen(PS_DASH, 1, 0), nullptr);
    EXPECT_EQ(CreateHatchBrush(6, 0), nullptr);
    EXPECT_EQ(GetStockObject(99), nullptr);
    EXPECT_EQ(CreateCompatibleBitmap(nullptr, -1, 4), nullptr);
    EXPECT_FALSE(DeleteObject(nullptr));
    EXPECT_FALSE(DeleteDC(nullptr));
}

}  // namespace
