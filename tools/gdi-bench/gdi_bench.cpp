// Times the drawing workloads of a 1920x1080 frame on the software GDI:
// Freedoom's E1M1 linedefs and segs placed as the overview places them, with
// each kind of pen the viewer uses, 3,000 long random lines (also by slope), tall
// wall columns, the clearing rectangle and one line whose ends lie a billion
// pixels away.
//   gdi-bench [REPEATS] [WAD]
#include <time.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include "platform/gdi/host_surface.h"
#include "platform/windows_api.h"
#include "tools/gdi-bench/bench_lines.h"
#include "wad/level_view.h"
#include "wad/wad_archive.h"

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr const char* kFreedoomWad = "/usr/share/games/doom/freedoom1.wad";

// The overview transform in single precision, in its order: product, sum, quotient.
int Place(int16_t c, float offset, float scale) {
    return int((float(c) * scale + offset * scale) / 10.0f);
}

BenchLine PlaceLine(const MapVertex& a, const MapVertex& b, const MapViewDefaults& view) {
    return {Place(a.x, view.offsetX, view.scale), Place(a.y, view.offsetY, view.scale),
            Place(b.x, view.offsetX, view.scale), Place(b.y, view.offsetY, view.scale)};
}

std::vector<BenchLine> MapLines(const LevelView& level, const MapViewDefaults& view) {
    std::vector<BenchLine> lines;
    for (int i = 0; i < level.numLinedefs; ++i) {
        const MapLinedef& linedef = level.linedefs[i];
        lines.push_back(PlaceLine(level.vertexes[linedef.startVertex],
                                  level.vertexes[linedef.endVertex], view));
    }
    for (int i = 0; i < level.numSegs; ++i) {
        const MapSeg& seg = level.segs[i];
        lines.push_back(
            PlaceLine(level.vertexes[seg.startVertex], level.vertexes[seg.endVertex], view));
    }
    return lines;
}

// Processor time of this thread: on a busy machine the time the thread
// waits for a processor would swamp the time it works.
double ThreadNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e9 + double(now.tv_nsec);
}

// Best of `repeats` runs, in nanoseconds: the least disturbed by the machine.
double BestNanoseconds(int repeats, const std::function<void()>& work) {
    double best = 1e300;
    for (int i = 0; i < repeats; ++i) {
        const double start = ThreadNanoseconds();
        work();
        best = std::min(best, ThreadNanoseconds() - start);
    }
    return best;
}

// The offsets of the lines' pixels in drawing order, a step at a time with
// the minor axis rounded, in rows `stride` pixels apart: the same rows and
// columns as the drawn lines up to a pixel, so storing to them costs what
// the drawn pixels' memory costs.
std::vector<uint32_t> PixelOffsets(const std::vector<BenchLine>& lines, int64_t stride) {
    std::vector<uint32_t> offsets;
    for (const BenchLine& l : lines) {
        const int64_t steps = std::max(std::abs(l.x1 - l.x0), std::abs(l.y1 - l.y0));
        for (int64_t t = 0; t < steps; ++t) {
            const int64_t x = l.x0 + ((l.x1 - l.x0) * t * 2 + steps) / (2 * steps);
            const int64_t y = l.y0 + ((l.y1 - l.y0) * t * 2 + steps) / (2 * steps);
            offsets.push_back(
                uint32_t(std::clamp<int64_t>(y * stride + x, 0, stride * kHeight - 1)));
        }
    }
    return offsets;
}

}  // namespace

int main(int argc, char** argv) {
    const int repeats = argc > 1 ? std::max(1, atoi(argv[1])) : 200;
    wadPath = argc > 2 ? argv[2] : kFreedoomWad;
    mapIndex = 0;
    LevelView level{};
    LoadLevel(&level);
    if (level.numLinedefs == 0) {
        fprintf(stderr, "gdi-bench: no E1M1 in %s\n", wadPath);
        return 1;
    }
    const std::vector<BenchLine> lines = MapLines(level, mapViewDefaults[0]);

    HDC dc = CreateCompatibleDC(NULL);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, kWidth, kHeight);
    HGDIOBJ previousBitmap = SelectObject(dc, bitmap);
    HGDIOBJ previousPen = GetStockObject(BLACK_PEN);
    printf("software GDI on a %dx%d bitmap, best of %d runs in processor time\n", kWidth, kHeight,
           repeats);
    printf("E1M1 linedefs and segs: %zu lines\n", lines.size());

    for (const BenchPen& pen : kBenchPens) {
        HPEN handle = CreatePen(pen.style, pen.width, RGB(200, 40, 90));
        SelectObject(dc, handle);
        const double ns = BestNanoseconds(repeats, [&] { DrawLines(dc, lines); });
        printf("  pen %-8s %8.1f ns/line %9.3f ms for all\n", pen.name, ns / double(lines.size()),
               ns / 1e6);
        SelectObject(dc, previousPen);
        DeleteObject(handle);
    }

    const std::vector<BenchLine> randomLines = RandomLines(3000, kWidth, kHeight);
    printf("3000 random lines across the frame: %.0f pixels\n", CosmeticPixels(randomLines));
    for (const BenchPen& pen : kBenchPens) {
        HPEN handle = CreatePen(pen.style, pen.width, RGB(200, 40, 90));
        SelectObject(dc, handle);
        const double ns = BestNanoseconds(repeats, [&] { DrawLines(dc, randomLines); });
        printf("  pen %-8s %9.3f ms %6.3f ns/pixel\n", pen.name, ns / 1e6,
               ns / CosmeticPixels(randomLines));
        SelectObject(dc, previousPen);
        DeleteObject(handle);
    }

    // The same lines in three sets by slope, with the solid pen. Lines at
    // least four pixels across for each row down are written as runs along
    // their rows; the others a pixel at a time, with a new row (a new cache
    // line) every one to four pixels, or every pixel for steep ones.
    struct SlopeCase {
        const char* name;
        std::vector<BenchLine> lines;
    };
    SlopeCase slopes[] = {{"flatter than 1 in 4", {}}, {"other flat", {}}, {"steep", {}}};
    for (const BenchLine& l : randomLines) {
        const int across = std::abs(l.x1 - l.x0);
        const int down = std::abs(l.y1 - l.y0);
        slopes[across < down ? 2 : across >= 4 * down ? 0 : 1].lines.push_back(l);
    }
    HPEN solidPen = CreatePen(PS_SOLID, 0, RGB(200, 40, 90));
    SelectObject(dc, solidPen);
    for (const SlopeCase& slope : slopes) {
        const double ns = BestNanoseconds(repeats, [&] { DrawLines(dc, slope.lines); });
        printf("  pen width 0, %-19s %4zu lines: %.3f ms %6.3f ns/pixel\n", slope.name,
               slope.lines.size(), ns / 1e6, ns / CosmeticPixels(slope.lines));
    }
    SelectObject(dc, previousPen);
    DeleteObject(solidPen);

    // The bound under any line kernel: the same stores with nothing to work
    // out, since a steep line's every pixel is a new row in memory. The rows
    // lie as far apart as the bitmap's: rows of exactly the width, a multiple
    // of 128 bytes, crowd a column into a few cache sets and made the bound
    // a tenth slower than the memory the lines are drawn into.
    int stride = kWidth;
    BitmapPixels(bitmap, nullptr, nullptr, &stride);
    std::vector<uint32_t> offsets = PixelOffsets(randomLines, stride);
    std::vector<uint32_t> frame(size_t(stride) * kHeight);
    auto storeTime = [&] {
        return BestNanoseconds(repeats, [&] {
            const uint32_t pixel = frame[0] + 1;
            for (uint32_t offset : offsets) frame[offset] = pixel;
        });
    };
    const double stores = storeTime();
    printf("  the same pixels stored from a list of their offsets: %.3f ms %6.3f ns/pixel\n",
           stores / 1e6, stores / double(offsets.size()));
    // A kernel may also store in another order: lines held back and drawn
    // band by band, the later line still last over each pixel. A band of four
    // rows keeps its cache lines in the level-1 cache from line to line, the
    // quickest band of 4, 8, 16 and 32 rows, so this bounds such a kernel.
    constexpr int64_t kBandRows = 4;
    std::stable_sort(offsets.begin(), offsets.end(), [&](uint32_t a, uint32_t b) {
        return a / stride / kBandRows < b / stride / kBandRows;
    });
    const double bandStores = storeTime();
    printf("  the same stores band by band of %d rows: %.3f ms %6.3f ns/pixel\n", int(kBandRows),
           bandStores / 1e6, bandStores / double(offsets.size()));

    HPEN wallPen = CreatePen(PS_SOLID, 2, RGB(10, 200, 30));
    SelectObject(dc, wallPen);
    const double columns = BestNanoseconds(repeats, [&] {
        for (int x = 0; x < kWidth; ++x) {
            MoveToEx(dc, x, 240, NULL);
            LineTo(dc, x, 840);
        }
        // Wall columns are held back until something reads the pixels.
        uint32_t pixel = 0;
        GetBitmapBits(bitmap, sizeof pixel, &pixel);
    });
    printf("1920 vertical width-2 lines of 600 pixels: %.3f ms\n", columns / 1e6);
    SelectObject(dc, previousPen);
    DeleteObject(wallPen);

    const double clear = BestNanoseconds(repeats, [&] { Rectangle(dc, 0, 0, kWidth, kHeight); });
    const double bytes = double(kWidth) * kHeight * 4;
    printf("Rectangle clearing %dx%d: %.3f ms (%.1f GB/s)\n", kWidth, kHeight, clear / 1e6,
           bytes / clear);

    const double far = BestNanoseconds(repeats, [&] {
        MoveToEx(dc, -1000000000, 500, NULL);
        LineTo(dc, 1000000000, 500);
    });
    printf("horizontal line from x=-10^9 to 10^9: %.0f ns\n", far);

    SelectObject(dc, previousBitmap);
    DeleteDC(dc);
    DeleteObject(bitmap);
    return 0;
}
