// One-pixel lines: the start pixel lit, the end pixel left out.
#pragma once

#include <cstdint>

#include "platform/gdi/pixel_surface.h"

namespace gdi {

void DrawSolidLine(const PixelSurface& surface, int x0, int y0, int x1, int y1, uint32_t pixel);

// Three pixels lit, three in the gap colour, counted from the line's own
// start wherever the surface cuts it.
void DrawDottedLine(const PixelSurface& surface, int x0, int y0, int x1, int y1, uint32_t dot,
                    uint32_t gap);

}  // namespace gdi
