// Lines of a pen 2 or 3 pixels wide: a band centred on the line, both ends
// included, with round ends that also make the joins of connected lines round.
#pragma once

#include <cstdint>

#include "platform/gdi/pixel_surface.h"

namespace gdi {

// The pixels of a level or plumb line (y0 == y1 or x0 == x1, not both),
// band and round ends together: one rectangle.
PixelRect StraightBand(int x0, int y0, int x1, int y1, int width);

void DrawWideLine(const PixelSurface& surface, int x0, int y0, int x1, int y1, int width,
                  uint32_t pixel);

}  // namespace gdi
