// The drawing trace: one line per call, in its fixed format.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/drawing_trace.h"
#include "tests/platform/gdi/gdi_test_surface.h"

namespace {

TEST(DrawingTrace, WritesEachDrawingCallOnOneLine) {
    // Named for the process: test processes run side by side.
    const std::string path = testing::TempDir() + "gdi_trace_" + std::to_string(getpid()) + ".txt";
    TestSurface surface(16, 16);
    HGDIOBJ dotted = CreatePen(PS_DOT, 1, RGB(0x12, 0x34, 0x56));
    HGDIOBJ hatch = CreateHatchBrush(HS_CROSS, 0x404040);
    HGDIOBJ bitmap = CreateCompatibleBitmap(surface.dc, 2, 1);
    EXPECT_FALSE(StartDrawingTrace("/nonexistent-folder/trace.txt"));
    ASSERT_TRUE(StartDrawingTrace(path.c_str()));
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
    MoveToEx(surface.dc, 0, 0, nullptr);
    for (HGDIOBJ object : {bitmap, dotted, hatch}) DeleteObject(object);

    std::ifstream in(path);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}),
              "SelectObject pen dot 1 0x00563412\n"
              "SelectObject pen solid 0 0x00000000\n"
              "SelectObject brush hatch 4 0x00404040\n"
              "SelectObject brush solid 0x00FFFFFF\n"
              "MoveToEx -3 4\n"
              "LineTo 10 2000000000\n"
              "Rectangle 0 0 16 16\n"
              "DrawTextA \"Say \\\"hi\\\"\" 1 2 300 50 0\n"
              "StretchBlt 0 0 16 16 0 0 16 16 13369376\n"
              "SetBitmapBits 8\n"
              "SelectObject bitmap 2 1\n"
              "SelectObject bitmap 16 16\n");
    std::remove(path.c_str());
}

}  // namespace
