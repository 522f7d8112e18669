// A memory device context with its own bitmap, ways to look at its pixels,
// and the trace of the drawing calls made on it.
#pragma once

#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/windows_api.h"

constexpr uint32_t kWhitePixel = 0xFFFFFF;
constexpr uint32_t kBlackPixel = 0x000000;

using PixelSet = std::set<std::pair<int, int>>;

struct TestSurface {
    TestSurface(int width, int height, uint32_t fill = kWhitePixel);
    ~TestSurface();

    uint32_t At(int x, int y) const;
    // The pixels that differ from the fill.
    PixelSet Changed() const;
    // The pixels of the window at (left, top), row by row.
    std::vector<uint32_t> Pixels(int left, int top, int windowWidth, int windowHeight) const;
    void Line(int x0, int y0, int x1, int y1);

    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ previousBitmap;
    int width, height;
    uint32_t fill;
};

// Holds an object selected into a surface for one scope, then puts the
// previous object back and deletes this one.
struct Selection {
    Selection(TestSurface& surface, HGDIOBJ object)
        : surface(surface), object(object), previous(SelectObject(surface.dc, object)) {}
    ~Selection() {
        SelectObject(surface.dc, previous);
        DeleteObject(object);
    }

    TestSurface& surface;
    HGDIOBJ object;
    HGDIOBJ previous;
};

// The drawing calls that draw makes, one trace line each.
std::vector<std::string> Trace(const std::function<void()>& draw);
