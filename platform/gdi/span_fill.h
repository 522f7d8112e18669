// Filling rectangles of pixels, solid or with an 8x8 hatch pattern. The
// rectangles are clipped to the surface here, so the cost is the visible area.
#pragma once

#include <cstdint>
#include <cstring>

#include "platform/gdi/pixel_surface.h"

namespace gdi {

// Four pixels, stored at once.
using FourPixels = uint32_t __attribute__((vector_size(4 * sizeof(uint32_t))));

// `count` > 8 pixels from `row` on, sixteen a step.
void FillLongSpan(uint32_t* row, int64_t count, uint32_t pixel);

// Items 0 to count - 1 of one to three (none when count <= 0), as items 0,
// count / 2 and count - 1: those are {0}, {0, 1} and {0, 1, 2}. Three
// stores, some to the same item, where a loop's end moved with a count that
// changes from call to call, which the processor mostly guessed wrong.
template <class Fill>
inline void FillThreeOrFewer(int64_t count, Fill fill) {
    if (count <= 0) return;
    fill(0);
    fill(count / 2);
    fill(count - 1);
}

// `count` pixels from `row` on; none when count <= 0. Most spans of a frame
// are a few pixels, the rows of steep bands and of the vertices' squares,
// for which a call costs more than the pixels. The count changes from row to
// row in the runs along a flat line and the rows of a flat wide band, where a
// loop whose exit moves with it costs more than its stores: from four to
// eight pixels, [0, 4) and [count - 4, count) together are [0, count), since
// count - 4 <= 4, so two stores of four cover them; below four, the rows
// of a steep band, FillThreeOrFewer.
inline void FillSpan(uint32_t* row, int64_t count, uint32_t pixel) {
    if (count > 8) {
        FillLongSpan(row, count, pixel);
        return;
    }
    if (count < 4) {
        FillThreeOrFewer(count, [&](int64_t x) { row[x] = pixel; });
        return;
    }
    const FourPixels four = FourPixels{} + pixel;
    memcpy(row, &four, sizeof four);
    memcpy(row + count - 4, &four, sizeof four);
}

// `rows` rows of kCount pixels from `row` on, `stride` apart (upwards when
// negative), four rows a step: a row is one or two stores, fewer than the
// loop's own instructions, and the frame's wall edges and columns are
// millions of rows. The rows short of a whole step are the four that end at
// the last row, some written twice in the same colour, and a fill of one
// to three rows goes through FillThreeOrFewer: loops over the few rows left
// over ended at a count that changes from call to call.
template <int kCount>
inline void FillNarrowRows(uint32_t* row, int64_t rows, ptrdiff_t stride, uint32_t pixel) {
    auto fillRow = [pixel](uint32_t* at) {
        for (int x = 0; x < kCount; ++x) at[x] = pixel;
    };
    auto fillFour = [&](uint32_t* at) {
        fillRow(at);
        fillRow(at + stride);
        fillRow(at + 2 * stride);
        fillRow(at + 3 * stride);
    };
    if (rows < 4) {
        FillThreeOrFewer(rows, [&](int64_t y) { fillRow(row + y * stride); });
        return;
    }
    uint32_t* const lastFour = row + (rows - 4) * stride;
    for (int64_t y = 4; y < rows; y += 4, row += 4 * stride) fillFour(row);
    fillFour(lastFour);
}

void FillSolid(const PixelSurface& surface, const PixelRect& rect, uint32_t pixel);

// pattern[y & 7] holds one bit per column, bit 7 for x & 7 == 0: a set bit
// takes the foreground, a clear one the background. The pattern is anchored
// at the surface's origin, so adjacent fills line up.
void FillPattern(const PixelSurface& surface, const PixelRect& rect, const uint8_t pattern[8],
                 uint32_t foreground, uint32_t background);

// The one-pixel outline of `box` in `frame` around its inside in `inside`,
// in one pass over the rows: the pixels of filling the inside and then the
// outline, which do not overlap. Most of a frame's rectangles are squares a
// few pixels wide, for which the separate fills cost more than the pixels.
void FillOutlinedBox(const PixelSurface& surface, const PixelRect& box, uint32_t frame,
                     uint32_t inside);

// The outline band of thickness `thickness` inside `outer`.
void FillFrame(const PixelSurface& surface, const PixelRect& outer, int64_t thickness,
               uint32_t pixel);

}  // namespace gdi
