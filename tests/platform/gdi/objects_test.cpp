// Objects and device contexts: defaults, selection, deletion, the count.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/platform/gdi/gdi_test_surface.h"

namespace {

DWORD LiveObjects() {
    return GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
}

// Selecting returns the previous object of the same kind; a fresh context
// holds the stock defaults. The default pen draws black; the default brush
// and text colours are pinned by the rectangle and text tests.
TEST(DeviceContext, FreshOneHoldsTheStockDefaults) {
    TestSurface surface(6, 2, 0x808080);
    {
        Selection pen(surface, CreatePen(PS_SOLID, 1, RGB(1, 2, 3)));
        Selection brush(surface, CreateHatchBrush(HS_CROSS, RGB(1, 2, 3)));
        EXPECT_EQ(pen.previous, GetStockObject(BLACK_PEN));
        EXPECT_EQ(brush.previous, GetStockObject(WHITE_BRUSH));
        HGDIOBJ font = GetStockObject(SYSTEM_FONT);
        EXPECT_EQ(SelectObject(surface.dc, font), font);
        EXPECT_EQ(SelectObject(surface.dc, surface.previousBitmap), surface.bitmap);
        EXPECT_EQ(SelectObject(surface.dc, surface.bitmap), surface.previousBitmap);
    }
    surface.Line(0, 1, 5, 1);
    std::vector<uint32_t> expected(12, 0x808080);
    std::fill_n(expected.begin() + 6, 5, kBlackPixel);
    EXPECT_EQ(surface.Pixels(0, 0, 6, 2), expected);
}

TEST(Objects, CountReturnsToItsStartAfterAThousandCycles) {
    const DWORD start = LiveObjects();
    for (int i = 0; i < 1000; ++i) {
        TestSurface surface(4, 4);
        Selection pen(surface, CreatePen(i % 2 ? PS_DOT : PS_SOLID, i % 2 ? 1 : 2, RGB(i, 0, 0)));
        Selection brush(surface, CreateHatchBrush(HS_CROSS, 0x404040));
        ASSERT_EQ(LiveObjects(), start + 4);
        surface.Line(0, 0, 3, 3);
        Rectangle(surface.dc, 0, 0, 4, 4);
    }
    EXPECT_EQ(LiveObjects(), start);
}

// A selected pen is not deleted and still draws; deleting its context
// leaves it live.
TEST(Objects, SelectedPenCannotBeDeletedAndStaysUsable) {
    const DWORD start = LiveObjects();
    HPEN pen = CreatePen(PS_SOLID, 0, RGB(255, 0, 0));
    {
        TestSurface surface(8, 4);
        SelectObject(surface.dc, pen);
        EXPECT_FALSE(DeleteObject(pen));
        surface.Line(0, 1, 8, 1);
        EXPECT_EQ(surface.At(7, 1), 0xFF0000u);
        EXPECT_EQ(LiveObjects(), start + 3);
    }
    EXPECT_EQ(LiveObjects(), start + 1);
    EXPECT_TRUE(DeleteObject(pen));
}

}  // namespace
