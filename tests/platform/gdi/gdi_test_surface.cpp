#include "tests/platform/gdi/gdi_test_surface.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>

#include "platform/drawing_trace.h"
#include "platform/gdi/host_surface.h"

TestSurface::TestSurface(int width, int height, uint32_t fill)
    : dc(CreateCompatibleDC(nullptr)),
      bitmap(CreateCompatibleBitmap(dc, width, height)),
      previousBitmap(SelectObject(dc, bitmap)),
      width(width),
      height(height),
      fill(fill) {
    std::vector<uint32_t> pixels(size_t(width) * height, fill);
    SetBitmapBits(bitmap, DWORD(pixels.size() * 4), pixels.data());
}

TestSurface::~TestSurface() {
    SelectObject(dc, previousBitmap);
    DeleteDC(dc);
    DeleteObject(bitmap);
}

uint32_t TestSurface::At(int x, int y) const {
    int stride = 0;
    return BitmapPixels(bitmap, nullptr, nullptr, &stride)[size_t(y) * stride + x];
}

PixelSet TestSurface::Changed() const {
    PixelSet changed;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (At(x, y) != fill) changed.insert({x, y});
        }
    }
    return changed;
}

std::vector<uint32_t> TestSurface::Pixels(int left, int top, int windowWidth,
                                          int windowHeight) const {
    std::vector<uint32_t> pixels;
    for (int i = 0; i < windowWidth * windowHeight; ++i) {
        pixels.push_back(At(left + i % windowWidth, top + i / windowWidth));
    }
    return pixels;
}

void TestSurface::Line(int x0, int y0, int x1, int y1) {
    MoveToEx(dc, x0, y0, nullptr);
    LineTo(dc, x1, y1);
}

std::vector<std::string> Trace(const std::function<void()>& draw) {
    // Test cases run as processes side by side: one trace file per process.
    const std::string path = testing::TempDir() + "trace_" + std::to_string(getpid()) + ".txt";
    EXPECT_TRUE(StartDrawingTrace(path.c_str()));
    draw();
    StopDrawingTrace();
    std::vector<std::string> lines;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    std::remove(path.c_str());
    return lines;
}
