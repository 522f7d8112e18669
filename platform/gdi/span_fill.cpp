#include "platform/gdi/span_fill.h"

#include <algorithm>
#include <cstring>

namespace gdi {

namespace {

// The overview's vertices and things are squares six pixels a side, about
// four thousand a frame. At a width the compiler knows, a row is that many
// stores; the general rows' tests and loops cost several times the pixels.
template <int kWidth>
void FillWholeBox(uint32_t* row, int64_t rows, ptrdiff_t stride, uint32_t frame, uint32_t inside) {
    auto fillEdgeRow = [frame](uint32_t* at) {
        for (int x = 0; x < kWidth; ++x) at[x] = frame;
    };
    fillEdgeRow(row);
    for (int64_t y = 1; y < rows - 1; ++y) {
        row += stride;
        row[0] = frame;
        for (int x = 1; x < kWidth - 1; ++x) row[x] = inside;
        row[kWidth - 1] = frame;
    }
    if (rows > 1) fillEdgeRow(row + stride);
}

}  // namespace

// Sixteen pixels a step: the frame's clearing fills two million pixels, and
// a library fill, four pixels a step, spent 0.18 ms on it where this spends
// 0.11 ms. The pixels short of a whole step are one more step that ends at
// the span's end and so writes some pixels twice, with the same colour: the
// walls' bodies are rows of every width, whose last pixels one at a time
// took more instructions than their steps. A span of 9 to 15 pixels, no
// whole step, is two overlapping halves of one. The last step is taken even
// when the whole steps reached the end: whether they did changes from span
// to span, and a wrong guess of that test cost more than the step.
void FillLongSpan(uint32_t* row, int64_t count, uint32_t pixel) {
    const FourPixels four = FourPixels{} + pixel;
    auto fillEight = [&four](uint32_t* at) {
        memcpy(at, &four, sizeof four);
        memcpy(at + 4, &four, sizeof four);
    };
    for (int64_t x = 0; x + 16 <= count; x += 16) {
        fillEight(row + x);
        fillEight(row + x + 8);
    }
    fillEight(row + std::max<int64_t>(count - 16, 0));
    fillEight(row + count - 8);
}

// Filled walls are columns of vertical lines two pixels wide and up to the
// surface's height, so most fills have very few pixels a row: those get
// rows of fixed length, without the setup a general fill spends on each.
// A full-height column touches more cache lines than the first-level cache
// holds, and the next column touches the same ones; filling every other
// column upwards starts it on the lines the previous one left in the cache.
void FillSolid(const PixelSurface& surface, const PixelRect& rect, uint32_t pixel) {
    PixelRect visible = Intersect(rect, Bounds(surface));
    if (visible.Empty()) return;
    const int64_t rows = visible.bottom - visible.top;
    const int64_t count = visible.right - visible.left;
    // Which way is as good as random from one call to the next, so it is
    // worked out without a branch. With `upwards` all ones (-1) the start
    // moves down (rows - 1) * stride & -1, the whole of it, and the step is
    // (stride ^ -1) - (-1) = ~stride + 1 = -stride; with zero, neither
    // changes.
    const ptrdiff_t upwards = -ptrdiff_t(visible.left & 1);
    uint32_t* const start =
        surface.Row(int(visible.top)) + visible.left + (((rows - 1) * surface.stride) & upwards);
    const ptrdiff_t step = (surface.stride ^ upwards) - upwards;
    switch (count) {
        case 1:
            FillNarrowRows<1>(start, rows, step, pixel);
            return;
        case 2:
            FillNarrowRows<2>(start, rows, step, pixel);
            return;
        case 3:
            FillNarrowRows<3>(start, rows, step, pixel);
            return;
        default:
            break;
    }
    uint32_t* row = surface.Row(int(visible.top)) + visible.left;
    for (int64_t y = 0; y < rows; ++y, row += surface.stride) FillSpan(row, count, pixel);
}

void FillOutlinedBox(const PixelSurface& surface, const PixelRect& box, uint32_t frame,
                     uint32_t inside) {
    const PixelRect visible = Intersect(box, Bounds(surface));
    if (visible.Empty()) return;
    if (visible == box && box.right - box.left == 6) {
        FillWholeBox<6>(surface.Row(int(box.top)) + box.left, box.bottom - box.top, surface.stride,
                        frame, inside);
        return;
    }
    const int64_t insideLeft = std::max(box.left + 1, visible.left);
    const int64_t insideRight = std::min(box.right - 1, visible.right);
    const bool leftEdgeShows = box.left == visible.left;
    const bool rightEdgeShows = box.right == visible.right;
    for (int64_t y = visible.top; y < visible.bottom; ++y) {
        uint32_t* row = surface.Row(int(y));
        if (y == box.top || y == box.bottom - 1) {
            FillSpan(row + visible.left, visible.right - visible.left, frame);
            continue;
        }
        FillSpan(row + insideLeft, insideRight - insideLeft, inside);  // none when too narrow
        if (leftEdgeShows) row[box.left] = frame;
        if (rightEdgeShows) row[box.right - 1] = frame;
    }
}

void FillPattern(const PixelSurface& surface, const PixelRect& rect, const uint8_t pattern[8],
                 uint32_t foreground, uint32_t background) {
    PixelRect visible = Intersect(rect, Bounds(surface));
    if (visible.Empty()) return;
    for (int y = int(visible.top); y < visible.bottom; ++y) {
        uint32_t period[8];
        for (int i = 0; i < 8; ++i) {
            period[i] = (pattern[y & 7] & (0x80 >> i)) ? foreground : background;
        }
        uint32_t* row = surface.Row(y);
        for (int x = int(visible.left); x < visible.right; ++x) row[x] = period[x & 7];
    }
}

void FillFrame(const PixelSurface& surface, const PixelRect& outer, int64_t thickness,
               uint32_t pixel) {
    if (outer.Empty()) return;
    const PixelRect inner{outer.left + thickness, outer.top + thickness, outer.right - thickness,
                          outer.bottom - thickness};
    if (inner.Empty()) {
        FillSolid(surface, outer, pixel);
        return;
    }
    FillSolid(surface, {outer.left, outer.top, outer.right, inner.top}, pixel);
    FillSolid(surface, {outer.left, inner.bottom, outer.right, outer.bottom}, pixel);
    FillSolid(surface, {outer.left, inner.top, inner.left, inner.bottom}, pixel);
    FillSolid(surface, {inner.right, inner.top, outer.right, inner.bottom}, pixel);
}

}  // namespace gdi
