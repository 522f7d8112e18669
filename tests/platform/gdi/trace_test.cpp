// The drawing trace: one line per call, in its fixed format.
#include <gtest/gtest.h>

#include "platform/drawing_trace.h"
#include "tests/platform/gdi/gdi_test_surface.h"

namespace {

TEST(DrawingTrace, WritesEachDrawingCallOnOneLine) {
    TestSurface surface(16, 16);
    HGDIOBJ dotted = CreatePen(PS_DOT, 1, RGB(0x12, 0x34, 0x56));
    HGDIOBJ hatch = CreateHatchBrush(HS_CROSS, 0x404040);
    HGDIOBJ bitmap = CreateCompatibleBitmap(surface.dc, 2, 1);
    EXPECT_FALSE(StartDrawingTrace("/nonexistent-folder/trace.txt"));
    const auto lines = Trace([&] {
        SelectObject(surface.dc, SelectObject(surface.dc, dotted));
        SelectObject(surface.dc, SelectObject(surface.dc, hatch));
        surface.Line(-3, 4, 10, 2000000000);
        Rectangle(surface.dc, 0, 0, 16, 16);
        RECT rect{1, 2, 300, 50};
        DrawTextA(surface.dc, "Say \"hi\"", -1, &rect, 0);
        StretchBlt(surface.dc, 0, 0, 16, 16, surface.dc, 0, 0, 16, 16, SRCCOPY);
        const uint32_t bits[2] = {};
        SetBitmapBits(HBITMAP(bitmap), 8, bits);
        SelectObject(surface.dc, bitmap);
        SelectObject(surface.dc, surface.bitmap);
        StopDrawingTrace();
        MoveToEx(surface.dc, 0, 0, nullptr);  // after the stop: not traced
    });
    for (HGDIOBJ object : {bitmap, dotted, hatch}) DeleteObject(object);
    EXPECT_EQ(
        lines,
        (std::vector<std::string>{
            "SelectObject pen dot 1 0x00563412", "SelectObject pen solid 0 0x00000000",
            "SelectObject brush hatch 4 0x00404040", "SelectObject brush solid 0x00FFFFFF",
            "MoveToEx -3 4", "LineTo 10 2000000000", "Rectangle 0 0 16 16",
            "DrawTextA \"Say \\\"hi\\\"\" 1 2 300 50 0", "StretchBlt 0 0 16 16 0 0 16 16 13369376",
            "SetBitmapBits 8", "SelectObject bitmap 2 1", "SelectObject bitmap 16 16"}));
}

}  // namespace
