// The pixels that the kernels draw into, and the colour conversion at the
// door: a COLORREF is 0x00BBGGRR, a stored pixel 0x00RRGGBB (blue, green,
// red, unused in memory, as a 32-bit Windows bitmap keeps them).
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "platform/windows_api.h"

namespace gdi {

struct PixelSurface {
    uint32_t* pixels;
    int width;
    int height;
    ptrdiff_t stride;  // in pixels

    uint32_t* Row(int y) const { return pixels + y * stride; }
};

// Half-open: left <= x < right, top <= y < bottom.
struct PixelRect {
    int64_t left;
    int64_t top;
    int64_t right;
    int64_t bottom;

    // Both tests at once: one branch for the caller, not two.
    bool Empty() const { return (left >= right) | (top >= bottom); }
    bool operator==(const PixelRect&) const = default;
};

inline PixelRect Intersect(const PixelRect& a, const PixelRect& b) {
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom)};
}

inline PixelRect Bounds(const PixelSurface& surface) {
    return {0, 0, surface.width, surface.height};
}

// The box of a line's ends, grown by `reach` on every side: a kernel that
// lights pixels at most `reach` from its ends' box lights none when this
// misses the surface.
inline PixelRect LineBox(int64_t x0, int64_t y0, int64_t x1, int64_t y1, int64_t reach) {
    return {std::min(x0, x1) - reach, std::min(y0, y1) - reach, std::max(x0, x1) + reach + 1,
            std::max(y0, y1) + reach + 1};
}

// For a rectangle with pixels of its own, whether none is on the surface.
inline bool MissesSurface(const PixelSurface& surface, const PixelRect& rect) {
    return rect.right <= 0 || rect.left >= surface.width || rect.bottom <= 0 ||
           rect.top >= surface.height;
}

constexpr uint32_t PixelFromColor(COLORREF color) {
    return ((color & 0xFFu) << 16) | (color & 0xFF00u) | ((color >> 16) & 0xFFu);
}

}  // namespace gdi
