// The pixels of a line from its two integer ends, one per step along the
// major axis, computed exactly so that any stretch of the line can be started
// without walking the steps before it. Clipping the walk therefore keeps every
// remaining pixel where the whole line would put it.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/gdi/pixel_surface.h"

namespace gdi {

// Step t (0 <= t <= length) lies at major = majorStart + majorSign * t and
// minor = minorStart + minorSign * MinorOffset(t), with
//   MinorOffset(t) = floor((2 * t * rise + length - bias) / (2 * length)).
struct LineWalk {
    bool xMajor;
    int majorSign;
    int minorSign;
    int64_t majorStart;
    int64_t minorStart;
    int64_t length;  // |major delta|, at least 1
    int64_t rise;    // |minor delta|, at most length
    int64_t bias;    // 1 when the minor coordinate grows along the walk, else 0
};

// False for a line from a point to itself.
bool MakeLineWalk(int x0, int y0, int x1, int y1, LineWalk* walk);

// A run of consecutive steps [first, first + count) and the walk's state at
// its first step: remainder = the numerator of MinorOffset(first) modulo
// 2 * length, so each further step adds 2 * rise and carries at 2 * length.
struct WalkRun {
    int64_t first;
    int64_t count;
    int64_t major;
    int64_t minor;
    int64_t remainder;
};

// The steps in [0, stepEnd) whose major coordinate lies in [0, majorSize) and
// whose minor coordinate lies in [minorLow, minorHigh]. False when none.
bool ClipLineWalk(const LineWalk& walk, int64_t stepEnd, int64_t majorSize, int64_t minorLow,
                  int64_t minorHigh, WalkRun* run);

// The same steps as offsets into a surface's pixels.
struct PixelWalk {
    ptrdiff_t offset;  // of the first visible pixel
    int64_t first;
    int64_t count;
    ptrdiff_t majorStep;
    ptrdiff_t minorStep;
    int64_t remainder;
    int64_t twoRise;
    int64_t twoLength;
};

// The visible pixels of the steps [0, stepEnd) on the surface; false when none.
bool StartPixelWalk(const PixelSurface& surface, const LineWalk& walk, int64_t stepEnd,
                    PixelWalk* pixels);

// For a level or plumb line (x0 == x1 or y0 == y1, not both), the same
// walk and visible pixels of the steps [0, length) as MakeLineWalk and
// StartPixelWalk give, worked out without a division; false when none show.
bool StartStraightPixelWalk(const PixelSurface& surface, int x0, int y0, int x1, int y1,
                            LineWalk* walk, PixelWalk* pixels);

}  // namespace gdi
