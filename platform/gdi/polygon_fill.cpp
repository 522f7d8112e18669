#include "platform/gdi/polygon_fill.h"

#include <algorithm>

#include "platform/gdi/exact_division.h"

namespace gdi {

namespace {

// Where an edge's line crosses successive rows, rounded up: the first pixel
// a left edge lights, the first one past a right edge.
struct EdgeWalk {
    int64_t x;
    int64_t remainder;
    int64_t rise;
    int64_t stepX;
    int64_t stepRemainder;
};

// On row y the line from upper to lower lies at upper.x + n / rise, with
// n = (y - upper.y) * run. Its ceiling is upper.x + q, q = ceil(n / rise),
// leaving remainder = q * rise - n in [0, rise). A row further down n grows
// by run = stepX * rise + stepRemainder, so q grows by stepX, and by one
// more when the remainder cannot pay stepRemainder. Only the first row needs
// 128 bits: on the polygon's rows every x stays within a few times 2^33.
EdgeWalk StartEdge(const PixelPoint& upper, const PixelPoint& lower, int64_t y) {
    const int64_t rise = lower.y - upper.y;
    const int64_t run = lower.x - upper.x;
    const Wide n = Wide(y - upper.y) * run;
    const Wide q = CeilDiv<Wide>(n, rise);
    const int64_t stepX = FloorDiv(run, rise);
    return {upper.x + int64_t(q), int64_t(q * rise - n), rise, stepX, run - stepX * rise};
}

void StepEdge(EdgeWalk& edge) {
    edge.x += edge.stepX;
    edge.remainder -= edge.stepRemainder;
    if (edge.remainder < 0) {
        edge.remainder += edge.rise;
        ++edge.x;
    }
}

}  // namespace

// A convex polygon is where it lies on the inner side of every edge's line,
// so on each of its rows the lit pixels run from the rightmost left-edge
// crossing to the leftmost right-edge one: x >= left is inside a left edge,
// x < right inside a right one, and its rows are top <= y < bottom. With y
// growing downwards and twice the signed area positive, an edge that goes
// down has the inside at smaller x: it is a right edge.
void FillConvexQuad(const PixelSurface& surface, const PixelPoint (&corners)[4], uint32_t pixel) {
    Wide area = 0;
    int64_t top = corners[0].y;
    int64_t bottom = corners[0].y;
    for (int k = 0; k < 4; ++k) {
        const PixelPoint& a = corners[k];
        const PixelPoint& b = corners[(k + 1) % 4];
        area += Wide(a.x) * b.y - Wide(b.x) * a.y;
        top = std::min(top, a.y);
        bottom = std::max(bottom, a.y);
    }
    const int64_t first = std::max<int64_t>(top, 0);
    const int64_t last = std::min<int64_t>(bottom, surface.height);
    if (area == 0 || first >= last) return;

    EdgeWalk left[4];
    EdgeWalk right[4];
    int lefts = 0;
    int rights = 0;
    for (int k = 0; k < 4; ++k) {
        const PixelPoint& a = corners[k];
        const PixelPoint& b = corners[(k + 1) % 4];
        if (a.y == b.y) continue;
        const bool down = b.y > a.y;
        const EdgeWalk edge = down ? StartEdge(a, b, first) : StartEdge(b, a, first);
        if (down == (area > 0)) {
            right[rights++] = edge;
        } else {
            left[lefts++] = edge;
        }
    }
    for (int64_t y = first; y < last; ++y) {
        int64_t from = 0;
        int64_t to = surface.width;
        for (int i = 0; i < lefts; ++i) {
            from = std::max(from, left[i].x);
            StepEdge(left[i]);
        }
        for (int i = 0; i < rights; ++i) {
            to = std::min(to, right[i].x);
            StepEdge(right[i]);
        }
        if (from < to) std::fill_n(surface.Row(int(y)) + from, to - from, pixel);
    }
}

}  // namespace gdi
