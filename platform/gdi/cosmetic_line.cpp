#include "platform/gdi/cosmetic_line.h"

#include <algorithm>

#include "platform/gdi/line_walk.h"

namespace gdi {

namespace {

constexpr int kDotRun = 3;

bool StartCosmeticWalk(const PixelSurface& surface, int x0, int y0, int x1, int y1, LineWalk* walk,
                       PixelWalk* pixels) {
    if (!MakeLineWalk(x0, y0, x1, y1, walk)) return false;
    return StartPixelWalk(surface, *walk, walk->length, pixels);
}

// Calls plot(offset) for each visible pixel in walking order; the carry into
// the minor axis is branch-free, as it changes unpredictably along a line.
template <class Plot>
void WalkPixels(const PixelWalk& w, Plot plot) {
    ptrdiff_t offset = w.offset;
    int64_t remainder = w.remainder;
    for (int64_t i = 0; i < w.count; ++i) {
        plot(offset);
        offset += w.majorStep;
        remainder += w.twoRise;
        const bool carry = remainder >= w.twoLength;
        remainder -= carry ? w.twoLength : 0;
        offset += carry ? w.minorStep : 0;
    }
}

}  // namespace

void DrawSolidLine(const PixelSurface& surface, int x0, int y0, int x1, int y1, uint32_t pixel) {
    LineWalk walk;
    PixelWalk w;
    if (!StartCosmeticWalk(surface, x0, y0, x1, y1, &walk, &w)) return;
    uint32_t* const pixels = surface.pixels;
    if (walk.rise == 0 && walk.xMajor) {
        const ptrdiff_t leftmost = walk.majorSign > 0 ? w.offset : w.offset - (w.count - 1);
        std::fill_n(pixels + leftmost, w.count, pixel);
        return;
    }
    WalkPixels(w, [&](ptrdiff_t offset) { pixels[offset] = pixel; });
}

void DrawDottedLine(const PixelSurface& surface, int x0, int y0, int x1, int y1, uint32_t dot,
                    uint32_t gap) {
    LineWalk walk;
    PixelWalk w;
    if (!StartCosmeticWalk(surface, x0, y0, x1, y1, &walk, &w)) return;
    uint32_t* const pixels = surface.pixels;
    int phase = int(w.first % (2 * kDotRun));
    WalkPixels(w, [&](ptrdiff_t offset) {
        pixels[offset] = phase < kDotRun ? dot : gap;
        if (++phase == 2 * kDotRun) phase = 0;
    });
}

}  // namespace gdi
