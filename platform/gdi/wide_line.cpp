#include "platform/gdi/wide_line.h"

#include <algorithm>
#include <utility>

#include "platform/gdi/polygon_fill.h"
#include "platform/gdi/span_fill.h"

namespace gdi {

namespace {

// The round tip a real GDI puts at each end (x, y) of a wide line: for width
// 2 the 2x2 square up and left of it, for width 3 the cross of five pixels
// around it. Both lie in [x - 1, x + 2) x [y - 1, y + 2); inside the surface
// they are four or five stores, where clipping each of their rectangles
// cost several times that.
void FillTip(const PixelSurface& surface, int64_t x, int64_t y, int width, uint32_t pixel) {
    if (x >= 1 && y >= 1 && x + 2 <= surface.width && y + 2 <= surface.height) {
        uint32_t* const at = surface.Row(int(y)) + x;
        uint32_t* const above = at - surface.stride;
        at[-1] = pixel;
        at[0] = pixel;
        above[0] = pixel;
        if (width == 2) {
            above[-1] = pixel;
            return;
        }
        at[1] = pixel;
        at[surface.stride] = pixel;
        return;
    }
    if (width == 2) {
        FillSolid(surface, {x - 1, y - 1, x + 1, y + 1}, pixel);
        return;
    }
    FillSolid(surface, {x - 1, y, x + 2, y + 1}, pixel);
    FillSolid(surface, {x, y - 1, x + 1, y + 2}, pixel);
}

// The band's two sides stand off the line by the pen's half width, taken
// along each axis and rounded to whole pixels: with a = width * |dy| / length,
// the x extent of a stroke `width` long across the line (and |dx| for y), one
// side gets round(a / 2) and the other round((a + 1) / 2), halves rounding
// up. Since round(v) = #{k >= 1 : v >= k - 1/2}, those are #{odd m : a >= m}
// and #{even m >= 0 : a >= m}, and a >= m is width^2 d^2 >= m^2 length^2,
// exact in 128 bits (length^2 < 2^65, times 9). A slanted line has
// 0 < a < width <= 3, so m stops at 2. When |dx| and |dy| are below 2^30,
// length^2 < 2^61, width^2 d^2 <= 9 * 2^60 and 4 length^2 < 2^63 all fit in
// 64 unsigned bits, which the lines on the surface nearly all do. A negative
// extent squares right in unsigned arithmetic too: (2^N - d)^2 = d^2 modulo
// 2^N, and d^2 fits.
struct Offsets {
    int64_t narrow;
    int64_t wide;
};

template <class Int>
Offsets SideOffsets(Int dSquared, Int lengthSquared, int width) {
    const Int across = Int(width * width) * dSquared;
    auto reaches = [&](int m) { return across >= Int(m * m) * lengthSquared; };
    return {int64_t(reaches(1)), 1 + int64_t(reaches(2))};
}

struct BandOffsets {
    Offsets alongX;
    Offsets alongY;
};

template <class Int>
BandOffsets OffsetsIn(int64_t dx, int64_t dy, int width) {
    const Int dxSquared = Int(dx) * Int(dx);
    const Int dySquared = Int(dy) * Int(dy);
    const Int lengthSquared = dxSquared + dySquared;
    return {SideOffsets(dySquared, lengthSquared, width),
            SideOffsets(dxSquared, lengthSquared, width)};
}

// The band as a real GDI builds it: the ends moved to one side by the narrow
// offsets and to the other by the wide ones, which side being which depending
// on the drawing direction, as found against the Windows API under Wine.
void BandCorners(int x0, int y0, int x1, int y1, int width, PixelPoint (&corners)[4]) {
    const int64_t dx = int64_t(x1) - x0;
    const int64_t dy = int64_t(y1) - y0;
    constexpr int64_t kSmall = int64_t(1) << 30;
    const bool small = dx > -kSmall && dx < kSmall && dy > -kSmall && dy < kSmall;
    const auto [alongX, alongY] =
        small ? OffsetsIn<uint64_t>(dx, dy, width) : OffsetsIn<unsigned __int128>(dx, dy, width);
    PixelPoint narrow{alongX.narrow, alongY.narrow};
    PixelPoint wide{alongX.wide, alongY.wide};
    if (dx < 0) {
        narrow.y = -narrow.y;
        wide.y = -wide.y;
    }
    if (dy < 0) {
        std::swap(narrow, wide);
        narrow.x = -narrow.x;
        wide.x = -wide.x;
    }
    corners[0] = {x0 - narrow.x, y0 + narrow.y};
    corners[1] = {x0 + wide.x, y0 - wide.y};
    corners[2] = {x1 + wide.x, y1 - wide.y};
    corners[3] = {x1 - narrow.x, y1 + narrow.y};
}

}  // namespace

void DrawWideLine(const PixelSurface& surface, int x0, int y0, int x1, int y1, int width,
                  uint32_t pixel) {
    // A line from a point to itself draws nothing, whatever the pen; Wine
    // draws the tip there, the Windows API as documented does not.
    if (x0 == x1 && y0 == y1) return;
    if (x0 == x1 || y0 == y1) {
        const StraightBandPixels band = StraightBand(x0, y0, x1, y1, width);
        FillSolid(surface, band.body, pixel);
        if (!band.arm.Empty()) FillSolid(surface, band.arm, pixel);
        return;
    }
    // The corners stand at most two pixels off the ends (offsets of 0 to 1
    // and 1 to 2, above) and the tips cover [e - 1, e + 2), so every pixel
    // lies within two, and within `width`, of the ends' box: a line whose
    // box is that far off the surface lights nothing, and walls near the
    // player send a frame's lines thousands of pixels off it.
    if (MissesSurface(surface, LineBox(x0, y0, x1, y1, width))) return;
    PixelPoint corners[4];
    BandCorners(x0, y0, x1, y1, width, corners);
    FillConvexQuad(surface, corners, pixel);
    FillTip(surface, x0, y0, width, pixel);
    FillTip(surface, x1, y1, width, pixel);
}

}  // namespace gdi
