// Draws lines one at a time, each with its own pen width, and prints the
// pixels each one lit. The same source builds against the real Windows API
// (MinGW, run under Wine) and against platform/ on the host, so that the two
// outputs can be compared line by line.
//   draw_lines < LINES > PIXELS
// Input: the bitmap's "width height", then "x0 y0 x1 y1 penWidth" per line.
// Output: one row per line: the number of lit pixels, then each as y * width + x.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "tools/gdi-compare/canvas.h"

namespace {

void DrawLine(const Canvas& canvas, int x0, int y0, int x1, int y1, int width, COLORREF colour) {
    HPEN pen = CreatePen(PS_SOLID, width, colour);
    HGDIOBJ previous = SelectObject(canvas.dc, pen);
    MoveToEx(canvas.dc, x0, y0, nullptr);
    LineTo(canvas.dc, x1, y1);
    SelectObject(canvas.dc, previous);
    DeleteObject(pen);
}

}  // namespace

int main() {
    int width = 0, height = 0;
    if (scanf("%d %d", &width, &height) != 2 || width <= 0 || height <= 0) return 2;
    // Both bitmaps start black; each line is drawn in white, its pixels read
    // from the box it can reach, and then drawn again in black, which puts
    // back exactly the pixels it lit.
    const Canvas canvas = MakeCanvas(width, height);
    std::vector<int64_t> lit;
    int x0, y0, x1, y1, penWidth;
    while (scanf("%d %d %d %d %d", &x0, &y0, &x1, &y1, &penWidth) == 5) {
        DrawLine(canvas, x0, y0, x1, y1, penWidth, RGB(255, 255, 255));
        int stride = 0;
        const uint32_t* pixels = Pixels(canvas, &stride);
        const int64_t reach = penWidth + 2;
        const int64_t left = std::max<int64_t>(std::min(x0, x1) - reach, 0);
        const int64_t right = std::min<int64_t>(int64_t{std::max(x0, x1)} + reach, width - 1);
        const int64_t top = std::max<int64_t>(std::min(y0, y1) - reach, 0);
        const int64_t bottom = std::min<int64_t>(int64_t{std::max(y0, y1)} + reach, height - 1);
        lit.clear();
        for (int64_t y = top; y <= bottom; ++y) {
            for (int64_t x = left; x <= right; ++x) {
                if (pixels[y * stride + x] & 0xFFFFFF) lit.push_back(y * width + x);
            }
        }
        printf("%zu", lit.size());
        for (int64_t pixel : lit) printf(" %lld", static_cast<long long>(pixel));
        printf("\n");
        DrawLine(canvas, x0, y0, x1, y1, penWidth, RGB(0, 0, 0));
    }
    DeleteDC(canvas.dc);
    DeleteObject(canvas.bitmap);
    return 0;
}
