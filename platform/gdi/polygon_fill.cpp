#include "platform/gdi/polygon_fill.h"

#include <algorithm>

#include "platform/gdi/exact_division.h"
#include "platform/gdi/span_fill.h"

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

// How far an edge moves from one row to the next: floor(run / rise). The
// edges across a wide line are a pixel or two long, and the long ones of a
// steep line move less than a pixel a row: for 0 <= run < rise the step is
// 0 and for -rise <= run < 0 it is -1, without a division.
int64_t RowStep(int64_t run, int64_t rise) {
    if (run >= 0 && run < rise) return 0;
    if (run < 0 && -run <= rise) return -1;
    return FloorDiv(run, rise);
}

// On row y the line from upper to lower lies at upper.x + n / rise, with
// n = (y - upper.y) * run. Its ceiling is upper.x + q, q = ceil(n / rise),
// leaving remainder = q * rise - n in [0, rise). A row further down n grows
// by run = stepX * rise + stepRemainder, so q grows by stepX, and by one
// more when the remainder cannot pay stepRemainder. Only the first row can
// need 128 bits: an edge is walked over its own rows alone, where x lies
// between its ends. When both factors of n fit in 32 bits, |n| < 2^62 and
// q * rise < n + rise stay inside 64 bits, so the common case divides there.
// On the edge's top row, where every edge but a clipped one starts, n is 0.
template <class Int>
EdgeWalk StartEdgeIn(const PixelPoint& upper, int64_t rise, int64_t run, int64_t y) {
    const Int n = Int(y - upper.y) * run;
    const Int q = y == upper.y ? Int(0) : CeilDiv<Int>(n, rise);
    const int64_t stepX = RowStep(run, rise);
    return {upper.x + int64_t(q), int64_t(q * rise - n), rise, stepX, run - stepX * rise};
}

bool FitsInt32(int64_t value) {
    return value == int32_t(value);
}

EdgeWalk StartEdge(const PixelPoint& upper, const PixelPoint& lower, int64_t y) {
    const int64_t rise = lower.y - upper.y;
    const int64_t run = lower.x - upper.x;
    if (FitsInt32(y - upper.y) && FitsInt32(run)) return StartEdgeIn<int64_t>(upper, rise, run, y);
    return StartEdgeIn<Wide>(upper, rise, run, y);
}

// Without a branch: whether the remainder pays is as good as random from
// row to row, and a missed guess costs more than the arithmetic. borrow is
// all ones when it does not pay (the sign of a 64-bit value), zero when it
// does.
void StepEdge(EdgeWalk& edge) {
    edge.remainder -= edge.stepRemainder;
    const int64_t borrow = edge.remainder >> 63;
    edge.remainder += edge.rise & borrow;
    edge.x += edge.stepX - borrow;
}

// One side of the polygon: the corners from the top one down to the bottom
// one, stepping round them one way, and the walk of the edge that crosses
// the current row.
struct Side {
    const PixelPoint (&corners)[4];
    int step;   // 1 or 3: to the next corner down this side
    int upper;  // the current edge's upper corner
    EdgeWalk walk{};

    const PixelPoint& Lower() const { return corners[(upper + step) & 3]; }

    // Takes the edge that crosses row y, from the current one on. Level
    // edges are passed over. The bottom corner lies below every row filled,
    // so the steps stop there at the latest, whatever the corners.
    void Reach(int64_t y) {
        while (Lower().y <= y) upper = (upper + step) & 3;
        walk = StartEdge(corners[upper], Lower(), y);
    }
};

// Rows y <= row < end between the two edges' walks, which move on with them.
void FillBetween(const PixelSurface& surface, int64_t y, int64_t end, EdgeWalk& left,
                 EdgeWalk& right, uint32_t pixel) {
    EdgeWalk from = left;
    EdgeWalk to = right;
    for (uint32_t* row = surface.Row(int(y)); y < end; ++y, row += surface.stride) {
        const int64_t first = std::max<int64_t>(from.x, 0);
        FillSpan(row + first, std::min<int64_t>(to.x, surface.width) - first, pixel);
        StepEdge(from);
        StepEdge(to);
    }
    left = from;
    right = to;
}

}  // namespace

// A convex polygon's sides run from its top corner to its bottom one, one
// edge of each side crossing every row top <= y < bottom; a pixel is inside
// when left <= x < right, the two crossings rounded up. With y growing
// downwards and twice the signed area positive, an edge that goes down has
// the inside at smaller x: it is on the right side.
void FillConvexQuad(const PixelSurface& surface, const PixelPoint (&corners)[4], uint32_t pixel) {
    Wide area = 0;
    int64_t top = corners[0].y;
    int64_t bottom = corners[0].y;
    int64_t leftmost = corners[0].x;
    int64_t rightmost = corners[0].x;
    for (int k = 0; k < 4; ++k) {
        const PixelPoint& a = corners[k];
        const PixelPoint& b = corners[(k + 1) % 4];
        area += Wide(a.x) * b.y - Wide(b.x) * a.y;
        top = std::min(top, a.y);
        bottom = std::max(bottom, a.y);
        leftmost = std::min(leftmost, a.x);
        rightmost = std::max(rightmost, a.x);
    }
    const int64_t first = std::max<int64_t>(top, 0);
    const int64_t last = std::min<int64_t>(bottom, surface.height);
    // Every crossing lies between the corners' x, so a polygon wholly left
    // or right of the surface lights none of its pixels.
    if (area == 0 || first >= last || rightmost <= 0 || leftmost >= surface.width) return;

    // From the top corner the edges go down both ways round to the bottom
    // one; forwards they go down, so that way is the right side when the
    // area is positive.
    int topCorner = 0;
    for (int k = 1; k < 4; ++k) {
        if (corners[k].y < corners[topCorner].y) topCorner = k;
    }
    const int forwards = area > 0 ? 1 : 3;
    Side left{corners, 4 - forwards, topCorner};
    Side right{corners, forwards, topCorner};
    // Between two corners' rows both sides keep their edges, so the rows
    // there run without asking which edge crosses them.
    left.Reach(first);
    right.Reach(first);
    for (int64_t y = first;;) {
        const int64_t end = std::min({last, left.Lower().y, right.Lower().y});
        FillBetween(surface, y, end, left.walk, right.walk, pixel);
        y = end;
        if (y == last) return;
        if (y == left.Lower().y) left.Reach(y);
        if (y == right.Lower().y) right.Reach(y);
    }
}

}  // namespace gdi
