// A bitmap selected into a memory device context, to draw lines into: a DIB
// section under the real Windows API, a bitmap of platform/ on the host. Both
// halves of the comparison with a real GDI draw into one.
#pragma once

#include <cstdint>

#include "platform/windows_api.h"
#ifndef _WIN32
#include "platform/gdi/host_surface.h"
#endif

struct Canvas {
    HDC dc;
    HBITMAP bitmap;
    int width;
    int height;
};

#ifdef _WIN32
// A top-down 32-bit DIB section: its bits are the pixels as Windows draws them.
inline Canvas MakeCanvas(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    SelectObject(dc, bitmap);
    return {dc, bitmap, width, height};
}

inline const uint32_t* Pixels(const Canvas& canvas, int* stride) {
    GdiFlush();
    DIBSECTION section{};
    GetObject(canvas.bitmap, sizeof(section), &section);
    *stride = canvas.width;
    return static_cast<const uint32_t*>(section.dsBm.bmBits);
}
#else
inline Canvas MakeCanvas(int width, int height) {
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, width, height);
    SelectObject(dc, bitmap);
    return {dc, bitmap, width, height};
}

inline const uint32_t* Pixels(const Canvas& canvas, int* stride) {
    return BitmapPixels(canvas.bitmap, nullptr, nullptr, stride);
}
#endif
