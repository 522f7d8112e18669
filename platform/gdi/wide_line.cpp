#include "platform/gdi/wide_line.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "platform/gdi/line_walk.h"
#include "platform/gdi/span_fill.h"

namespace gdi {

namespace {

// A band `width` wide across the line is width / cos(angle) pixels along the
// minor axis, which is width * hypot(n, d) / n with n the major and d the
// minor length, rounded to the nearest whole pixel. Both come from the
// unclipped ends only, so every step gets the same run wherever it is cut.
int64_t RunAcrossBand(const LineWalk& walk, int width) {
    const double length = double(walk.length);
    const double rise = double(walk.rise);
    return int64_t(std::floor(width * std::sqrt(length * length + rise * rise) / length + 0.5));
}

// The pen's round tip at a line's end, as pixels: the pixels whose centres lie
// within width / 2 of the end (taken at the pixel's top-left corner for an
// even width, where the band's runs are centred too). Up to width 3 that is
// the whole width x width square and nothing outside it.
void StampEnd(const PixelSurface& surface, int64_t x, int64_t y, int width, uint32_t pixel) {
    const int64_t left = x - width / 2;
    const int64_t top = y - width / 2;
    FillSolid(surface, {left, top, left + width, top + width}, pixel);
}

}  // namespace

// The run across is exactly `width` (hypot(n, 0) / n is 1 up to rounding
// far below the + 0.5), from minor - width / 2, the same pixels across as
// the round ends take. Along the line the band covers [first, last + 1) and
// each end e covers [e - width / 2, e - width / 2 + width): the first end
// starts at or before the band, the last ends at or past it, so band and
// ends are together the one rectangle [first - width / 2, last - width / 2 + width).
PixelRect StraightBand(int x0, int y0, int x1, int y1, int width) {
    const bool level = y0 == y1;
    const int64_t low = std::min<int64_t>(level ? x0 : y0, level ? x1 : y1) - width / 2;
    const int64_t length = std::llabs(level ? int64_t(x1) - x0 : int64_t(y1) - y0);
    const int64_t side = int64_t(level ? y0 : x0) - width / 2;
    const PixelRect band{low, side, low + length + width, side + width};
    return level ? band : PixelRect{band.top, band.left, band.bottom, band.right};
}

// Each step of the exact one-pixel walk (both ends included) carries a run of
// RunAcrossBand pixels across the major axis, from minor - run / 2: the run
// is part of the step, so clipping the walk to the steps whose run meets the
// surface, then each run to the surface, keeps every pixel in place.
void DrawWideLine(const PixelSurface& surface, int x0, int y0, int x1, int y1, int width,
                  uint32_t pixel) {
    LineWalk walk;
    if (!MakeLineWalk(x0, y0, x1, y1, &walk)) return;
    if (walk.rise == 0) {
        FillSolid(surface, StraightBand(x0, y0, x1, y1, width), pixel);
        return;
    }
    StampEnd(surface, x0, y0, width, pixel);
    StampEnd(surface, x1, y1, width, pixel);

    const int64_t run = RunAcrossBand(walk, width);
    const int64_t before = run / 2;
    const int64_t after = run - 1 - before;
    const int64_t majorSize = walk.xMajor ? surface.width : surface.height;
    const int64_t minorSize = walk.xMajor ? surface.height : surface.width;
    WalkRun steps;
    if (!ClipLineWalk(walk, walk.length + 1, majorSize, -after, minorSize - 1 + before, &steps)) {
        return;
    }
    const int64_t twoRise = 2 * walk.rise;
    const int64_t twoLength = 2 * walk.length;
    int64_t major = steps.major;
    int64_t minor = steps.minor;
    int64_t remainder = steps.remainder;
    for (int64_t i = 0; i < steps.count; ++i) {
        const int64_t low = std::max<int64_t>(minor - before, 0);
        const int64_t high = std::min<int64_t>(minor + after, minorSize - 1);
        if (walk.xMajor) {
            uint32_t* column = surface.pixels + major;
            for (int64_t y = low; y <= high; ++y) column[y * surface.stride] = pixel;
        } else {
            uint32_t* row = surface.Row(int(major));
            for (int64_t x = low; x <= high; ++x) row[x] = pixel;
        }
        major += walk.majorSign;
        remainder += twoRise;
        if (remainder >= twoLength) {
            remainder -= twoLength;
            minor += walk.minorSign;
        }
    }
}

}  // namespace gdi
