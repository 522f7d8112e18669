// Filling a convex polygon with whole-pixel corners by the polygon rule: a
// pixel is lit when its centre, at its integer coordinates, lies inside; on
// the border, left and top edges count as inside, right and bottom ones as
// outside, so polygons that share an edge never share a pixel.
#pragma once

#include <cstdint>

#include "platform/gdi/pixel_surface.h"

namespace gdi {

struct PixelPoint {
    int64_t x;
    int64_t y;
};

// Corners in order around the polygon, either way round, at most 2^32 apart.
void FillConvexQuad(const PixelSurface& surface, const PixelPoint (&corners)[4], uint32_t pixel);

}  // namespace gdi
