#include "platform/gdi/line_walk.h"

#include <algorithm>
#include <cstdlib>

#include "platform/gdi/exact_division.h"

namespace gdi {

// The diamond rule lights, in each column of a line flatter than 45 degrees
// (each row of a steeper one), the pixel nearest the ideal line, and of two
// equally near the one with the smaller coordinate (left, upper). With n the
// major length and d the signed minor delta, the ideal minor offset after t
// steps is t * d / n, so the lit pixel is
//   d >= 0: ceil(t * d / n - 1/2)  = floor((2td + n - 1) / 2n)
//   d <  0: -floor(t|d| / n + 1/2) = -floor((2t|d| + n) / 2n)
// which is MinorOffset with rise = |d| and bias 1 or 0. Both depend only on
// where the column lies on the ideal line, never on the drawing direction, so
// a segment drawn the other way lights the same pixels apart from its ends.
// At t = 0 the offset is 0: the first pixel is the start point itself.
bool MakeLineWalk(int x0, int y0, int x1, int y1, LineWalk* walk) {
    const int64_t dx = int64_t(x1) - x0;
    const int64_t dy = int64_t(y1) - y0;
    if (dx == 0 && dy == 0) return false;
    walk->xMajor = std::llabs(dx) >= std::llabs(dy);
    const int64_t major = walk->xMajor ? dx : dy;
    const int64_t minor = walk->xMajor ? dy : dx;
    walk->majorSign = major > 0 ? 1 : -1;
    walk->minorSign = minor >= 0 ? 1 : -1;
    walk->majorStart = walk->xMajor ? x0 : y0;
    walk->minorStart = walk->xMajor ? y0 : x0;
    walk->length = std::llabs(major);
    walk->rise = std::llabs(minor);
    walk->bias = minor >= 0 ? 1 : 0;
    return true;
}

// MinorOffset is nondecreasing in t, so each bound on the minor coordinate is
// a bound on t. With N(t) = 2tD + n - r (D = rise, r = bias) and an integer c:
//   MinorOffset(t) >= c  <=>  N(t) >= 2nc      <=>  t >= ceil((2nc - n + r) / 2D)
//   MinorOffset(t) <= c  <=>  N(t) <= 2nc + 2n - 1
//                        <=>  t <= floor((2nc + n + r - 1) / 2D)
// With D = 0 the offset is 0 for every t.
template <class Int>
bool ClipInRange(const LineWalk& walk, int64_t stepEnd, int64_t majorSize, int64_t minorLow,
                 int64_t minorHigh, WalkRun* run) {
    const Int n = walk.length;
    const Int rise = walk.rise;
    const Int r = walk.bias;
    Int low = 0;
    Int high = Int(stepEnd) - 1;
    if (walk.majorSign > 0) {
        low = std::max(low, Int(-walk.majorStart));
        high = std::min(high, Int(majorSize - 1 - walk.majorStart));
    } else {
        low = std::max(low, Int(walk.majorStart - majorSize + 1));
        high = std::min(high, Int(walk.majorStart));
    }
    const Int offsetLow =
        walk.minorSign > 0 ? Int(minorLow) - walk.minorStart : Int(walk.minorStart) - minorHigh;
    const Int offsetHigh =
        walk.minorSign > 0 ? Int(minorHigh) - walk.minorStart : Int(walk.minorStart) - minorLow;
    if (rise == 0) {
        if (offsetLow > 0 || offsetHigh < 0) return false;
    } else {
        low = std::max(low, CeilDiv(2 * n * offsetLow - n + r, 2 * rise));
        high = std::min(high, FloorDiv(2 * n * offsetHigh + n + r - 1, 2 * rise));
    }
    if (low > high) return false;
    const Int numerator = 2 * low * rise + n - r;
    const Int offset = FloorDiv(numerator, 2 * n);
    run->first = int64_t(low);
    run->count = int64_t(high - low + 1);
    run->major = walk.majorStart + walk.majorSign * run->first;
    run->minor = walk.minorStart + walk.minorSign * int64_t(offset);
    run->remainder = int64_t(numerator - offset * 2 * n);
    return true;
}

// A line on or near the surface has every value below 2^29 in magnitude, so
// no intermediate above reaches 2^62: 64 bits hold them, and a 64-bit
// division costs a fraction of a 128-bit one, of which a line takes up to three.
bool ClipLineWalk(const LineWalk& walk, int64_t stepEnd, int64_t majorSize, int64_t minorLow,
                  int64_t minorHigh, WalkRun* run) {
    // Most lines lie wholly inside. The walk's coordinates move monotonically
    // from one end to the other, so when both ends are inside every step is,
    // and the run is the whole walk: at t = 0 the numerator is n - r, below
    // 2n, so the minor offset is 0 and the remainder n - r.
    const int64_t majorEnd = walk.majorStart + walk.majorSign * walk.length;
    const int64_t minorEnd = walk.minorStart + walk.minorSign * walk.rise;
    if (std::min(walk.majorStart, majorEnd) >= 0 &&
        std::max(walk.majorStart, majorEnd) < majorSize &&
        std::min(walk.minorStart, minorEnd) >= minorLow &&
        std::max(walk.minorStart, minorEnd) <= minorHigh && stepEnd >= 1 &&
        stepEnd <= walk.length + 1) {
        *run = {0, stepEnd, walk.majorStart, walk.minorStart, walk.length - walk.bias};
        return true;
    }
    constexpr int64_t kSmall = int64_t(1) << 29;
    const bool small = walk.length < kSmall && std::llabs(walk.majorStart) < kSmall &&
                       std::llabs(walk.minorStart) < kSmall && std::llabs(stepEnd) < kSmall &&
                       std::llabs(majorSize) < kSmall && std::llabs(minorLow) < kSmall &&
                       std::llabs(minorHigh) < kSmall;
    return small ? ClipInRange<int64_t>(walk, stepEnd, majorSize, minorLow, minorHigh, run)
                 : ClipInRange<Wide>(walk, stepEnd, majorSize, minorLow, minorHigh, run);
}

bool StartPixelWalk(const PixelSurface& surface, const LineWalk& walk, int64_t stepEnd,
                    PixelWalk* pixels) {
    const int majorSize = walk.xMajor ? surface.width : surface.height;
    const int minorSize = walk.xMajor ? surface.height : surface.width;
    WalkRun run;
    if (!ClipLineWalk(walk, stepEnd, majorSize, 0, minorSize - 1, &run)) return false;
    const ptrdiff_t x = walk.xMajor ? run.major : run.minor;
    const ptrdiff_t y = walk.xMajor ? run.minor : run.major;
    pixels->offset = y * surface.stride + x;
    pixels->first = run.first;
    pixels->count = run.count;
    pixels->majorStep = walk.xMajor ? walk.majorSign : walk.majorSign * surface.stride;
    pixels->minorStep = walk.xMajor ? walk.minorSign * surface.stride : walk.minorSign;
    pixels->remainder = run.remainder;
    pixels->twoRise = 2 * walk.rise;
    pixels->twoLength = 2 * walk.length;
    return true;
}

// A straight line's minor offset is 0 at every step, so its numerator
// n - r = n - 1 never carries and is the remainder wherever the run starts.
// Its steps lie at majorStart + sign * t on one row or column; those in
// [0, majorSize) are, walking up, t >= -majorStart and t <= majorSize - 1 -
// majorStart, and walking down t >= majorStart - majorSize + 1 and
// t <= majorStart.
bool StartStraightPixelWalk(const PixelSurface& surface, int x0, int y0, int x1, int y1,
                            LineWalk* walk, PixelWalk* pixels) {
    const bool level = y0 == y1;
    const int64_t start = level ? x0 : y0;
    const int64_t end = level ? x1 : y1;
    const int64_t across = level ? y0 : x0;
    const int64_t majorSize = level ? surface.width : surface.height;
    const int64_t minorSize = level ? surface.height : surface.width;
    if (start == end || across < 0 || across >= minorSize) return false;
    const int sign = end > start ? 1 : -1;
    const int64_t length = sign > 0 ? end - start : start - end;
    const int64_t low = std::max<int64_t>(0, sign > 0 ? -start : start - majorSize + 1);
    const int64_t high = std::min(length - 1, sign > 0 ? majorSize - 1 - start : start);
    if (low > high) return false;
    *walk = {level, sign, 1, start, across, length, 0, 1};
    const int64_t major = start + sign * low;
    const ptrdiff_t majorStep = level ? sign : sign * surface.stride;
    const ptrdiff_t minorStep = level ? surface.stride : 1;
    pixels->offset = level ? across * surface.stride + major : major * surface.stride + across;
    pixels->first = low;
    pixels->count = high - low + 1;
    pixels->majorStep = majorStep;
    pixels->minorStep = minorStep;
    pixels->remainder = length - 1;
    pixels->twoRise = 0;
    pixels->twoLength = 2 * length;
    return true;
}

}  // namespace gdi
