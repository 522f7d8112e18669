// Fills of narrow columns held back and painted later, front to back. The
// filled walls of a frame are columns two pixels wide drawn over each other
// up to seventeen times; painting each pixel only for the last column that
// covers it makes the cost that of what stays visible. Every pixel ends up
// as the fills in their order would leave it: a column's pending fills are
// painted before anything else reads or draws over that column's pixels.
#pragma once

#include <cstdint>

#include "platform/gdi/gdi_objects.h"

namespace gdi {

// Fills `rect` (clipped to the bitmap) with `pixel`, now or later. Meant for
// rectangles a few columns wide and many rows tall.
void DeferColumnFill(Bitmap* bitmap, const PixelRect& rect, uint32_t pixel);

// Paints the pending fills of every column of `area` whose pending rows meet
// `area`'s rows: call before drawing into or reading from `area`.
void SettleColumns(const Bitmap* bitmap, const PixelRect& area);

// The same for the pixels a line from (x0, y0) to (x1, y1) can touch with a
// pen reaching `reach` pixels from its centre line.
void SettleColumnsAlong(const Bitmap* bitmap, int x0, int y0, int x1, int y1, int reach);

// Paints every pending fill of the bitmap.
void SettleAllColumns(const Bitmap* bitmap);

// Forgets the pending fills of a bitmap that is going away.
void DropColumns(const Bitmap* bitmap);

}  // namespace gdi
