// Lines of a pen 2 or 3 pixels wide, as a real GDI draws them: a band about
// the line, filled by the polygon rule, with a round tip at each end that
// also makes the joins of connected lines round.
#pragma once

#include <algorithm>
#include <cstdint>

#include "platform/gdi/pixel_surface.h"

namespace gdi {

// The pixels of a level or plumb line (y0 == y1 or x0 == x1), band and tips
// together: a body and, for width 3, a one-pixel arm along the centre that
// the tips push out past the body's ends. Empty rectangles where none.
struct StraightBandPixels {
    PixelRect body;
    PixelRect arm;
};

// A level line's band is the rectangle over [low, high) along it and
// [y - width / 2, y - width / 2 + width) across, with the tips at both ends.
// Width 2: the tips' squares [e - 1, e + 1) x [y - 1, y + 1) widen it to
// [low - 1, high + 1) on the same rows, one rectangle. Width 3: the tips'
// crosses add column high on the band's three rows, making the body
// [low, high + 1) x [y - 1, y + 2), and the arm [low - 1, high + 2) on row y.
// A point is the same with low == high: its tip alone. Plumb lines swap axes.
// Inline, since every held-back column of a filled frame asks for one.
inline StraightBandPixels StraightBand(int x0, int y0, int x1, int y1, int width) {
    const bool level = y0 == y1;
    const int64_t low = std::min(level ? x0 : y0, level ? x1 : y1);
    const int64_t high = std::max(level ? x0 : y0, level ? x1 : y1);
    const int64_t y = level ? y0 : x0;
    StraightBandPixels band{{low - 1, y - 1, high + 1, y + 1}, {0, 0, 0, 0}};
    if (width == 3) band = {{low, y - 1, high + 1, y + 2}, {low - 1, y, high + 2, y + 1}};
    if (level) return band;
    auto swapAxes = [](const PixelRect& r) { return PixelRect{r.top, r.left, r.bottom, r.right}; };
    return {swapAxes(band.body), swapAxes(band.arm)};
}

void DrawWideLine(const PixelSurface& surface, int x0, int y0, int x1, int y1, int width,
                  uint32_t pixel);

}  // namespace gdi
