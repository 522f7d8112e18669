// Lines of a pen 2 or 3 pixels wide, as a real GDI draws them: a band about
// the line, filled by the polygon rule, with a round tip at each end that
// also makes the joins of connected lines round.
#pragma once

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
StraightBandPixels StraightBand(int x0, int y0, int x1, int y1, int width);

void DrawWideLine(const PixelSurface& surface, int x0, int y0, int x1, int y1, int width,
                  uint32_t pixel);

}  // namespace gdi
