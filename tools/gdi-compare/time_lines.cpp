// Times gdi-bench's 3,000 random lines across a 1920x1080 bitmap, with each
// kind of pen the viewer uses. The same source builds against the real
// Windows API (MinGW, run under Wine) and against platform/ on the host, so
// that the two drawings of the same lines can be timed side by side (see race).
//   time_lines [REPEATS]
// Prints "pixels: N", the lines' pixel count, then "PEN: MS" for each pen: the
// best time of REPEATS drawings of all the lines, in milliseconds.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "tools/gdi-bench/bench_lines.h"
#include "tools/gdi-compare/canvas.h"

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

// Wall-clock time, since the two builds share no processor-time clock of
// fine grain; the best of many runs leaves out the machine's interruptions.
double BestMilliseconds(int repeats, const Canvas& canvas, const std::vector<BenchLine>& lines) {
    double best = 1e300;
    for (int i = 0; i < repeats; ++i) {
        const auto start = std::chrono::steady_clock::now();
        DrawLines(canvas.dc, lines);
        // A real GDI may batch the calls; the time is the time to pixels.
        int stride = 0;
        Pixels(canvas, &stride);
        const std::chrono::duration<double, std::milli> took =
            std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count());
    }
    return best;
}

}  // namespace

int main(int argc, char** argv) {
    const int repeats = argc > 1 ? std::max(1, atoi(argv[1])) : 100;
    const Canvas canvas = MakeCanvas(kWidth, kHeight);
    const std::vector<BenchLine> lines = RandomLines(3000, kWidth, kHeight);
    printf("pixels: %.0f\n", CosmeticPixels(lines));
    for (const BenchPen& pen : kBenchPens) {
        HPEN handle = CreatePen(pen.style, pen.width, RGB(200, 40, 90));
        HGDIOBJ previous = SelectObject(canvas.dc, handle);
        printf("%s: %.4f\n", pen.name, BestMilliseconds(repeats, canvas, lines));
        SelectObject(canvas.dc, previous);
        DeleteObject(handle);
    }
    DeleteDC(canvas.dc);
    DeleteObject(canvas.bitmap);
    return 0;
}
