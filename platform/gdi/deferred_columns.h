// Fills of narrow columns held back and painted later, each pixel once. The
// filled walls of a frame are columns two pixels wide drawn over each other
// up to seventeen times; painting each pixel only for the last column that
// covers it makes the cost that of what stays visible. Every pixel ends up
// as the calls in their order would leave it: a call that draws at once over
// pending fills also draws into a stamp plane, and a fill paints only the
// pixels that no later call drew.
#pragma once

#include <cstdint>

#include "platform/gdi/gdi_objects.h"

namespace gdi {

// Fills `rect` (clipped to the bitmap) with `pixel`, now or later. Meant for
// rectangles a few columns wide and many rows tall.
void DeferColumnFill(Bitmap* bitmap, const PixelRect& rect, uint32_t pixel);

// Whether fills are pending on the bitmap.
bool HoldsColumns(const Bitmap* bitmap);

// For each pixel of the bitmap with pending fills, the stamp of the last
// call that drew it at once; stamps grow with every call.
struct StampPlane {
    PixelSurface surface;
    uint32_t stamp;  // the stamp of the call that asked for the plane
};

// A new stamp for a call about to draw into `bitmap` at once, inside
// `area`, which draws the same pixels into the plane in the stamp's colour.
// Only while HoldsColumns(bitmap): a caller asks that first, so that with
// nothing pending it need not work out the area. Null when no pending fill
// lies under the area, since then the call draws only the bitmap.
const StampPlane* NextStamp(const Bitmap* bitmap, const PixelRect& area);

// Paints every pending fill of the bitmap: call before reading its pixels.
void SettleAllColumns(const Bitmap* bitmap);

// Forgets the pending fills of a bitmap that is going away.
void DropColumns(const Bitmap* bitmap);

}  // namespace gdi
