// Lines of a pen 2 or 3 pixels wide: a band centred on the line, both ends
// included, with round ends that also make the joins of connected lines round.
#pragma once

#include <cstdint>

#include "platform/gdi/pixel_surface.h"

namespace gdi {

void DrawWideLine(const PixelSurface& surface, int x0, int y0, int x1, int y1, int width,
                  uint32_t pixel);

}  // namespace gdi
