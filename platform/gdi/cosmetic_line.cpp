#include "platform/gdi/cosmetic_line.h"

#include <algorithm>

#include "platform/gdi/line_walk.h"
#include "platform/gdi/span_fill.h"

namespace gdi {

namespace {

constexpr int kDotRun = 3;
constexpr int kPeriod = 2 * kDotRun;

// Most of a frame's one-pixel lines are level or plumb, as a map's linedefs
// mostly are, and a few pixels long: the general walk's setup cost more
// than their pixels.
bool StartCosmeticWalk(const PixelSurface& surface, int x0, int y0, int x1, int y1, LineWalk* walk,
                       PixelWalk* pixels) {
    if (x0 == x1 || y0 == y1) return StartStraightPixelWalk(surface, x0, y0, x1, y1, walk, pixels);
    // Every pixel of a line lies in its ends' box, and a good part of a
    // frame's lines lie wholly off the surface: asked first, that costs four
    // tests where setting up the walk and clipping it cost a hundred.
    if (MissesSurface(surface, LineBox(x0, y0, x1, y1, 0))) return false;
    if (!MakeLineWalk(x0, y0, x1, y1, walk)) return false;
    return StartPixelWalk(surface, *walk, walk->length, pixels);
}

// One step of the walk: along the major axis, and across when the
// remainder carries; branch-free, as the carry changes unpredictably.
// Written as two choices, one of them became a branch; the carry is a mask,
// all ones when it carries.
inline void Step(const PixelWalk& w, ptrdiff_t& offset, int64_t& remainder, ptrdiff_t along,
                 int64_t added) {
    offset += along;
    remainder += added;
    const int64_t carry = -int64_t(remainder >= w.twoLength);
    remainder -= w.twoLength & carry;
    offset += w.minorStep & carry;
}

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

// Four 32-bit lanes, as an SSE2 register holds them; the browser build,
// without WebAssembly's SIMD, works them one lane at a time.
typedef uint32_t OffsetLanes __attribute__((vector_size(16)));
typedef int32_t RemainderLanes __attribute__((vector_size(16)));
constexpr int kLanesPerVector = 4;
constexpr int kLanes = 2 * kLanesPerVector;
constexpr int kBatch = 128;  // a multiple of kLanes

// Whether a walk fits the lanes. Every visible pixel's offset lies in
// [0, height * stride), so offsets worked out modulo 2^32 are exact there
// when that is at most 2^32; lanes past the line's end may wrap, unread. A
// remainder stays below L before a step adds at most L - 1 to it, so the
// sum stays below 2L: signed 32-bit lanes hold it when L < 2^30, which
// every line shorter than 2^29 pixels meets.
bool FitsLanes(const PixelSurface& surface, const PixelWalk& w) {
    return w.twoLength < (int64_t(1) << 30) &&
           int64_t(surface.height) * surface.stride <= (int64_t(1) << 32);
}

// Calls plot(offsets, count, first) for each batch of visible pixels in
// order, the batch's first pixel being the first-th visible one. Eight
// walkers, each on every eighth step, take Step's arithmetic in the lanes
// of two vectors and write a batch of offsets, which plot then reads back:
// a pixel's carry no longer waits for the pixel before, and the loop that
// stores is a load and a store a pixel, so the processor's window holds
// many stores that miss the cache at once. Four walkers in registers, each
// asking for the memory of its pixel sixteen steps on, took 2.28 to 2.56
// ms for gdi-bench's 3,000 random lines where this took 1.27 to 1.51, less
// than the same stores from a list of their offsets (1.19 to 2.11 ms, the
// list read from memory). On larger bitmaps it varies: 8.5 against 12.8 to
// 13.3 ms for lines across 3840x2160, but 13 to 17 against 11 to 14 across
// 4096x2048 and 96 to 114 against 89 to 92 across 8192x8192, where rows a
// power of two apart crowd the cache and the old walk's prefetch paid.
template <class Plot>
void WalkPixels(const PixelSurface& surface, const PixelWalk& w, Plot plot) {
    ptrdiff_t offset = w.offset;
    int64_t remainder = w.remainder;
    if (!FitsLanes(surface, w)) {  // a line with an end hundreds of millions of pixels away
        for (int64_t i = 0; i < w.count; ++i) {
            plot(&offset, 1, i);
            Step(w, offset, remainder, w.majorStep, w.twoRise);
        }
        return;
    }
    // Walker k starts on step k: the low vector holds walkers 0 to 3, the
    // high one 4 to 7. Two named vectors, not an array: an array element
    // whose address the copy below takes stayed in memory, and each step
    // then waited for the last one's store (0.94 against 1.34 ms for the
    // lines above, with every store landing in the first few thousand pixels).
    auto start = [&](OffsetLanes& o, RemainderLanes& r) {
        for (int k = 0; k < kLanesPerVector; ++k) {
            o[k] = uint32_t(offset);
            r[k] = int32_t(remainder);
            Step(w, offset, remainder, w.majorStep, w.twoRise);
        }
    };
    OffsetLanes low, high;
    RemainderLanes lowRemainders, highRemainders;
    start(low, lowRemainders);
    start(high, highRemainders);
    const ManySteps lanes = StepsOf(w, kLanes);
    const uint32_t along = uint32_t(lanes.along);
    const uint32_t minorStep = uint32_t(w.minorStep);
    const int32_t added = int32_t(lanes.added);
    const int32_t twoLength = int32_t(w.twoLength);
    auto step = [&](OffsetLanes& o, RemainderLanes& r) {
        r += added;
        const RemainderLanes carry = r > twoLength - 1;
        r -= carry & twoLength;
        o += along + (OffsetLanes(carry) & minorStep);
    };
    uint32_t batch[kBatch];
    for (int64_t done = 0; done < w.count; done += kBatch) {
        const int count = int(std::min<int64_t>(kBatch, w.count - done));
        for (int j = 0; j < count; j += kLanes) {
            __builtin_memcpy(batch + j, &low, sizeof low);
            __builtin_memcpy(batch + j + kLanesPerVector, &high, sizeof high);
            step(low, lowRemainders);
            step(high, highRemainders);
        }
        plot(batch, count, done);
    }
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
// With the pixels walked in lanes, gdi-bench's 3,000 random lines took
// 1.22 to 1.28 ms from one in six (dotted 1.47 to 1.48), 1.31 to 1.32 from
// one in four (1.58 to 1.63) and 1.26 to 1.30 from one in eight (1.38 to
// 1.42); the frames' lines are too short to tell.
constexpr int64_t kRunsFrom = 6;

bool WritesRuns(const LineWalk& walk) {
    return walk.xMajor && walk.length >= kRunsFrom * walk.rise;
}

// Pixel j of a stretch of a dotted line takes colours[phase + j mod 6].
// Six at a time, they take the six colours from phase on, which a table of
// two periods holds for any phase: no pixel asks which colour it is, nor
// waits for the pixel before to count its phase.
template <class At>
void PaintDots(const uint32_t* colours, int phase, int64_t count, At at) {
    const uint32_t* const window = colours + phase;
    int64_t j = 0;
    for (; j + kPeriod <= count; j += kPeriod) {
        for (int k = 0; k < kPeriod; ++k) *at(j + k) = window[k];
    }
    for (int k = 0; j < count; ++j, ++k) *at(j) = window[k];
}

// The pixels [start, start + count) of a row walked in direction `sign`,
// as offsets from the run's first pixel.
uint32_t* RunStart(uint32_t* pixels, ptrdiff_t offset, int64_t count, int sign) {
    return pixels + (sign > 0 ? offset : offset - (count - 1));
}

// A level or plumb line lights its start and the pixels towards its end,
// the end left out: along it x0 < x1 gives [x0, x1) and x1 < x0 gives
// (x1, x0], which is [x1 + 1, x0 + 1); across it, where the two are equal,
// [x0, x0 + 1). As a rectangle one pixel thick it is clipped and filled by
// FillSolid. Nearly nine one-pixel lines in ten of an outline frame are
// such (6,033 of 6,951 in E1M5's), a few pixels long, and the walk's setup
// cost them more than their pixels. The first pixel is min(start, end + 1):
// start when end >= start, since start <= end < end + 1, else end + 1 <=
// start; the pixel past the last is max(end, start + 1) likewise. As a
// minimum and a maximum they take no branch, where the direction of the
// lines, one after another, was a poor guess.
PixelRect StraightLinePixels(int x0, int y0, int x1, int y1) {
    auto from = [](int64_t start, int64_t end) { return std::min(start, end + 1); };
    auto to = [](int64_t start, int64_t end) { return std::max(end, start + 1); };
    return {from(x0, x1), from(y0, y1), to(x0, x1), to(y0, y1)};
}

// Out of line: with its runs' stores inlined, a copy inside LineTo made
// LineTo's drawing too large for the compiler to keep inline, and every line
// drawn at once paid for a call (12.27 to 12.59 M instructions an outline
// frame of E1M5). It is kept apart from the level and plumb lines too,
// which would otherwise pay for this walk's registers and stack.
__attribute__((noinline)) void DrawSlantedSolidLine(const PixelSurface& surface, int x0, int y0,
                                                    int x1, int y1, uint32_t pixel) {
    LineWalk walk;
    PixelWalk w;
    if (!StartCosmeticWalk(surface, x0, y0, x1, y1, &walk, &w)) return;
    uint32_t* const pixels = surface.pixels;
    if (WritesRuns(walk)) {
        WalkRuns(w, [&](ptrdiff_t offset, int64_t, int64_t count) {
            FillSpan(RunStart(pixels, offset, count, walk.majorSign), count, pixel);
        });
        return;
    }
    WalkPixels(surface, w, [&](const auto* offsets, int count, int64_t) {
        for (int j = 0; j < count; ++j) pixels[offsets[j]] = pixel;
    });
}

}  // namespace

void DrawSolidLine(const PixelSurface& surface, int x0, int y0, int x1, int y1, uint32_t pixel) {
    if (x0 != x1 && y0 != y1) {
        DrawSlantedSolidLine(surface, x0, y0, x1, y1, pixel);
        return;
    }
    // A line from a point to itself lights nothing.
    if (x0 != x1 || y0 != y1) FillSolid(surface, StraightLinePixels(x0, y0, x1, y1), pixel);
}

// Step t of the line is a dot when t mod 6 < 3.
void DrawDottedLine(const PixelSurface& surface, int x0, int y0, int x1, int y1, uint32_t dot,
                    uint32_t gap) {
    LineWalk walk;
    PixelWalk w;
    if (!StartCosmeticWalk(surface, x0, y0, x1, y1, &walk, &w)) return;
    uint32_t* const pixels = surface.pixels;
    uint32_t colours[2 * kPeriod];
    for (int i = 0; i < 2 * kPeriod; ++i) colours[i] = i % kPeriod < kDotRun ? dot : gap;
    const int firstPhase = int(w.first % kPeriod);
    auto phaseOf = [&](int64_t first) { return int((firstPhase + first) % kPeriod); };
    if (walk.rise == 0 || WritesRuns(walk)) {
        auto paintRun = [&](ptrdiff_t offset, int64_t first, int64_t count) {
            PaintDots(colours, phaseOf(first), count,
                      [&](int64_t j) { return pixels + offset + j * w.majorStep; });
        };
        if (walk.rise == 0) {
            paintRun(w.offset, 0, w.count);
        } else {
            WalkRuns(w, paintRun);
        }
        return;
    }
    WalkPixels(surface, w, [&](const auto* offsets, int count, int64_t first) {
        PaintDots(colours, phaseOf(first), count, [&](int64_t j) { return pixels + offsets[j]; });
    });
}

}  // namespace gdi
