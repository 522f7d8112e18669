#include "platform/gdi/cosmetic_line.h"

#include <algorithm>

#include "platform/gdi/line_walk.h"
#include "platform/gdi/span_fill.h"

namespace gdi {

namespace {

constexpr int kDotRun = 3;

// Most of a frame's one-pixel lines are level or plumb, as a map's linedefs
// mostly are, and a few pixels long: the general walk's setup cost more
// than their pixels.
bool StartCosmeticWalk(const PixelSurface& surface, int x0, int y0, int x1, int y1, LineWalk* walk,
                       PixelWalk* pixels) {
    if (x0 == x1 || y0 == y1) return StartStraightPixelWalk(surface, x0, y0, x1, y1, walk, pixels);
    if (!MakeLineWalk(x0, y0, x1, y1, walk)) return false;
    return StartPixelWalk(surface, *walk, walk->length, pixels);
}

// One step of the walk: along the major axis, and across when the
// remainder carries; branch-free, as the carry changes unpredictably.
inline void Step(const PixelWalk& w, ptrdiff_t& offset, int64_t& remainder, ptrdiff_t along,
                 int64_t added) {
    offset += along;
    remainder += added;
    const bool carry = remainder >= w.twoLength;
    remainder -= carry ? w.twoLength : 0;
    offset += carry ? w.minorStep : 0;
}

// How many steps ahead of the pixel it plots a walker asks for the memory
// of a later pixel. A steep line's every pixel is a new row, so its stores
// miss the cache one after another, and a store that misses holds up those
// behind it: the processor's window fills with the walk's arithmetic after
// a few dozen of them. Asked for early, the rows arrive side by side. On a
// machine whose memory was slow, the 3,000 random lines of gdi-bench took
// three quarters of the time, the steep ones little more than half; where
// memory keeps up it changed nothing measurable.
constexpr int64_t kPrefetchAhead = 16;

// The along and added of Step for n steps at once. With D = twoRise and
// L = twoLength, n steps add nD = cL + e to the remainder (e < L): c
// carries for certain, and one more when the remainder, below L, plus e
// reaches L, which is what Step then asks.
struct ManySteps {
    ptrdiff_t along;
    int64_t added;
};

ManySteps StepsOf(const PixelWalk& w, int64_t n) {
    const int64_t added = n * w.twoRise;
    const ptrdiff_t along = n * w.majorStep + (added / w.twoLength) * w.minorStep;
    return {along, added % w.twoLength};
}

// Where a walker at `offset` with `remainder` will be after `steps`:
// Step's arithmetic, the walker kept.
inline ptrdiff_t OffsetLater(const PixelWalk& w, ptrdiff_t offset, int64_t remainder,
                             const ManySteps& steps) {
    return offset + steps.along + (remainder + steps.added >= w.twoLength ? w.minorStep : 0);
}

// Calls plot(offset, i) for the i-th visible pixel. One walker's next pixel
// waits for its carry, a chain of a few cycles a pixel; four walkers, each
// on every fourth step, run side by side. While the pixel kPrefetchAhead
// steps on is still visible, each walker first asks for its memory: that
// pixel lies inside the surface, where the walk's own pixels do.
template <class Plot>
void WalkPixels(const uint32_t* pixels, const PixelWalk& w, Plot plot) {
    constexpr int kLanes = 4;
    ptrdiff_t offset[kLanes];
    int64_t remainder[kLanes];
    ptrdiff_t nextOffset = w.offset;
    int64_t nextRemainder = w.remainder;
    for (int k = 0; k < kLanes; ++k) {
        offset[k] = nextOffset;
        remainder[k] = nextRemainder;
        Step(w, nextOffset, nextRemainder, w.majorStep, w.twoRise);
    }
    const ManySteps lanes = StepsOf(w, kLanes);
    int64_t i = 0;
    if (w.count > kLanes + kPrefetchAhead) {  // its division only for lines that use it
        const ManySteps ahead = StepsOf(w, kPrefetchAhead);
        for (; i + kLanes + kPrefetchAhead <= w.count; i += kLanes) {
            for (int k = 0; k < kLanes; ++k) {
                __builtin_prefetch(pixels + OffsetLater(w, offset[k], remainder[k], ahead), 1);
                plot(offset[k], i + k);
                Step(w, offset[k], remainder[k], lanes.along, lanes.added);
            }
        }
    }
    for (; i + kLanes <= w.count; i += kLanes) {
        for (int k = 0; k < kLanes; ++k) {
            plot(offset[k], i + k);
            Step(w, offset[k], remainder[k], lanes.along, lanes.added);
        }
    }
    for (int k = 0; i + k < w.count; ++k) plot(offset[k], i + k);
}

// Calls fill(offset, first, count) for each run of pixels of a row: count
// pixels from `offset` along the major axis, the first of them the first-th
// visible pixel. With r the remainder, D = twoRise and L = twoLength, the
// walk stays in its row while r < L and adds D a step, so a run starting at
// remainder r has k = ceil((L - r) / D) pixels and leaves r + kD - L. That
// remainder is below D, so every later run starts with L - r in (L - D, L]
// and has q = floor(L / D) or q + 1 pixels: q exactly when r + qD >= L. One
// division for the line, one comparison a run.
template <class Fill>
void WalkRuns(const PixelWalk& w, Fill fill) {
    const int64_t q = w.twoLength / w.twoRise;
    ptrdiff_t offset = w.offset;
    int64_t remainder = w.remainder;
    int64_t run = (w.twoLength - remainder + w.twoRise - 1) / w.twoRise;
    for (int64_t done = 0; done < w.count;) {
        const int64_t count = std::min(run, w.count - done);
        fill(offset, done, count);
        done += count;
        offset += run * w.majorStep + w.minorStep;
        remainder += run * w.twoRise - w.twoLength;
        run = remainder + q * w.twoRise >= w.twoLength ? q : q + 1;
    }
}

// Runs of a row pay once they are a few pixels long: lines flatter than
// one in kRunsFrom are written run by run, steeper ones pixel by pixel.
constexpr int64_t kRunsFrom = 4;

bool WritesRuns(const LineWalk& walk) {
    return walk.xMajor && walk.length >= kRunsFrom * walk.rise;
}

// The pixels [start, start + count) of a row walked in direction `sign`,
// as offsets from the run's first pixel.
uint32_t* RunStart(uint32_t* pixels, ptrdiff_t offset, int64_t count, int sign) {
    return pixels + (sign > 0 ? offset : offset - (count - 1));
}

}  // namespace

// Out of line: with its runs' stores inlined here, a copy inside LineTo made
// LineTo's drawing too large for the compiler to keep inline, and every line
// drawn at once paid for a call (12.27 to 12.59 M instructions an outline
// frame of E1M5).
__attribute__((noinline)) void DrawSolidLine(const PixelSurface& surface, int x0, int y0, int x1,
                                             int y1, uint32_t pixel) {
    LineWalk walk;
    PixelWalk w;
    if (!StartCosmeticWalk(surface, x0, y0, x1, y1, &walk, &w)) return;
    uint32_t* const pixels = surface.pixels;
    if (walk.rise == 0 && walk.xMajor) {
        std::fill_n(RunStart(pixels, w.offset, w.count, walk.majorSign), w.count, pixel);
        return;
    }
    if (walk.rise == 0) {
        for (int64_t i = 0; i < w.count; ++i) pixels[w.offset + i * w.majorStep] = pixel;
        return;
    }
    if (WritesRuns(walk)) {
        WalkRuns(w, [&](ptrdiff_t offset, int64_t, int64_t count) {
            FillSpan(RunStart(pixels, offset, count, walk.majorSign), count, pixel);
        });
        return;
    }
    WalkPixels(pixels, w, [&](ptrdiff_t offset, int64_t) { pixels[offset] = pixel; });
}

// Step t of the line is a dot when t mod 6 < 3. A run in the walking
// direction takes its colours from a table of two periods starting at the
// run's phase, so no pixel asks which colour it is.
void DrawDottedLine(const PixelSurface& surface, int x0, int y0, int x1, int y1, uint32_t dot,
                    uint32_t gap) {
    LineWalk walk;
    PixelWalk w;
    if (!StartCosmeticWalk(surface, x0, y0, x1, y1, &walk, &w)) return;
    uint32_t* const pixels = surface.pixels;
    constexpr int kPeriod = 2 * kDotRun;
    uint32_t colours[2 * kPeriod];
    for (int i = 0; i < 2 * kPeriod; ++i) colours[i] = i % kPeriod < kDotRun ? dot : gap;
    const int firstPhase = int(w.first % kPeriod);
    if (walk.rise == 0 || WritesRuns(walk)) {
        auto paintRun = [&](ptrdiff_t offset, int64_t first, int64_t count) {
            int phase = int((firstPhase + first) % kPeriod);
            uint32_t* at = pixels + offset;
            for (int64_t j = 0; j < count; ++j, at += w.majorStep) {
                *at = colours[phase];
                phase = phase + 1 == kPeriod ? 0 : phase + 1;
            }
        };
        if (walk.rise == 0) {
            paintRun(w.offset, 0, w.count);
        } else {
            WalkRuns(w, paintRun);
        }
        return;
    }
    // WalkPixels plots the pixels in order, so the phase is counted: worked
    // out from the pixel's index, it cost a quarter of the time again.
    int phase = firstPhase;
    WalkPixels(pixels, w, [&](ptrdiff_t offset, int64_t) {
        pixels[offset] = colours[phase];
        phase = phase + 1 == kPeriod ? 0 : phase + 1;
    });
}

}  // namespace gdi
