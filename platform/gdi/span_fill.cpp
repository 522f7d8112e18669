#include "platform/gdi/span_fill.h"

namespace gdi {

void FillSolid(const PixelSurface& surface, const PixelRect& rect, uint32_t pixel) {
    PixelRect visible = Intersect(rect, Bounds(surface));
    if (visible.Empty()) return;
    const int left = int(visible.left);
    const int count = int(visible.right - visible.left);
    for (int y = int(visible.top); y < visible.bottom; ++y) {
        std::fill_n(surface.Row(y) + left, count, pixel);
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
