// Fills of narrow columns held back and painted later, each pixel once. The
// filled walls of a frame are columns two pixels wide drawn over each other
// up to seventeen times; painting each pixel only for the last column that
// covers it makes the cost that of what stays visible. Every pixel ends up
// as the calls in their order would leave it: a call that draws at once over
// pending fills also draws into a stamp plane, and a fill paints only the
// pixels that no later call drew.
#pragma once

#include <array>
#include <cstdint>

#include "platform/gdi/gdi_objects.h"

namespace gdi {

// Fills `rect` (clipped to the bitmap) with `pixel`, now or later. Meant for
// rectangles a few columns wide and many rows tall.
void DeferColumnFill(Bitmap* bitmap, const PixelRect& rect, uint32_t pixel);

// A filled wall is a plumb line of a two-pixel pen in each column, left to
// right, in one colour. Each such line only notes its ends here; before
// anything else reads or adds to the pending fills, the run becomes fills of
// the same pixels as DeferColumnFill would have held back line by line.
// Holding each line back on its own took a call, a clip, a stamp and the
// tiles' marks, about 120 instructions: a sixth of the heaviest filled
// frame.
struct PlumbRun {
    static constexpr uint32_t kMostLines = 2048;
    const Bitmap* bitmap = nullptr;  // null while no line is noted
    int64_t nextX = 0;               // where the next line must stand to join
    uint32_t pixel = 0;
    uint32_t count = 0;
    struct Ends {
        int32_t y0;
        int32_t y1;
    };
    std::array<Ends, kMostLines> ends;
};

extern PlumbRun plumbRun;

// Starts a run with the line, after making the last run's lines fills.
void StartPlumbRun(Bitmap* bitmap, int x, int y0, int y1, uint32_t pixel);

// Holds back a plumb line of a two-pixel pen: its band and tips fill
// [x - 1, x + 1) x [min(y0, y1) - 1, max(y0, y1) + 1).
inline void DeferPlumbLine(Bitmap* bitmap, int x, int y0, int y1, uint32_t pixel) {
    PlumbRun& run = plumbRun;
    if (bitmap != run.bitmap || x != run.nextX || pixel != run.pixel ||
        run.count == PlumbRun::kMostLines) {
        StartPlumbRun(bitmap, x, y0, y1, pixel);
        return;
    }
    run.ends[run.count++] = {y0, y1};
    run.nextX = int64_t(x) + 1;
}

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
