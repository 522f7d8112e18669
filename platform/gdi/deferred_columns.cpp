#include "platform/gdi/deferred_columns.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <vector>

namespace gdi {

namespace {

// Rows top <= y < bottom of one column.
struct ColumnSpan {
    int32_t top;
    int32_t bottom;
    uint32_t pixel;
};

struct RowRange {
    int32_t top;
    int32_t bottom;
};

// One bitmap at a time has pending fills: a frame draws into one. The
// vectors keep their capacity from frame to frame.
struct PendingColumns {
    const Bitmap* owner = nullptr;
    std::vector<std::vector<ColumnSpan>> spans;  // per column, in drawing order
    std::vector<RowRange> extent;  // per column, the rows its spans cover; kNoRows when none
    int32_t left = INT32_MAX;      // the columns with spans lie in [left, right)
    int32_t right = INT32_MIN;
    RowRange rows{INT32_MAX, INT32_MIN};  // the rows any span covers
    std::vector<RowRange> covered;        // scratch: the rows a later span already painted
};

constexpr RowRange kNoRows{INT32_MAX, INT32_MIN};

PendingColumns pending;

bool Meet(const RowRange& rows, int64_t top, int64_t bottom) {
    return top < rows.bottom && bottom > rows.top;
}

void PaintRows(const PixelSurface& surface, int32_t x, int32_t top, int32_t bottom,
               uint32_t pixel) {
    uint32_t* at = surface.Row(top) + x;
    for (int32_t y = top; y < bottom; ++y, at += surface.stride) *at = pixel;
}

// The last span over a pixel decides its colour, so walking the spans from
// the last to the first and painting only rows no later span painted gives
// the same column as painting them all in order, touching each row once.
// `covered` holds the painted rows as sorted, disjoint, non-adjacent ranges.
void PaintColumn(const PixelSurface& surface, int32_t x, std::vector<ColumnSpan>& spans) {
    std::vector<RowRange>& covered = pending.covered;
    covered.clear();
    for (auto span = spans.rbegin(); span != spans.rend(); ++span) {
        int32_t cursor = span->top;
        size_t first = 0;
        while (first < covered.size() && covered[first].bottom < span->top) ++first;
        size_t last = first;
        for (; last < covered.size() && covered[last].top <= span->bottom; ++last) {
            if (covered[last].top > cursor) {
                PaintRows(surface, x, cursor, covered[last].top, span->pixel);
            }
            cursor = std::max(cursor, covered[last].bottom);
        }
        if (cursor < span->bottom) PaintRows(surface, x, cursor, span->bottom, span->pixel);
        // Ranges first..last-1 touch or overlap the span: they merge with it.
        RowRange merged{span->top, span->bottom};
        if (first < last) {
            merged.top = std::min(merged.top, covered[first].top);
            merged.bottom = std::max(merged.bottom, covered[last - 1].bottom);
            covered.erase(covered.begin() + ptrdiff_t(first) + 1,
                          covered.begin() + ptrdiff_t(last));
            covered[first] = merged;
        } else {
            covered.insert(covered.begin() + ptrdiff_t(first), merged);
        }
    }
    spans.clear();
    pending.extent[size_t(x)] = kNoRows;
}

void Forget() {
    pending.owner = nullptr;
    pending.left = INT32_MAX;
    pending.right = INT32_MIN;
    pending.rows = {INT32_MAX, INT32_MIN};
}

}  // namespace

void DeferColumnFill(Bitmap* bitmap, const PixelRect& rect, uint32_t pixel) {
    const PixelRect visible = Intersect(rect, Bounds(bitmap->surface));
    if (visible.Empty()) return;
    if (pending.owner != bitmap) {
        if (pending.owner != nullptr) SettleAllColumns(pending.owner);
        pending.owner = bitmap;
        pending.spans.resize(size_t(bitmap->surface.width));
        pending.extent.assign(size_t(bitmap->surface.width), kNoRows);
    }
    const auto top = int32_t(visible.top);
    const auto bottom = int32_t(visible.bottom);
    for (auto x = int32_t(visible.left); x < visible.right; ++x) {
        std::vector<ColumnSpan>& spans = pending.spans[size_t(x)];
        RowRange& extent = pending.extent[size_t(x)];
        extent = spans.empty()
                     ? RowRange{top, bottom}
                     : RowRange{std::min(extent.top, top), std::max(extent.bottom, bottom)};
        spans.push_back({top, bottom, pixel});
    }
    pending.left = std::min(pending.left, int32_t(visible.left));
    pending.right = std::max(pending.right, int32_t(visible.right));
    pending.rows = {std::min(pending.rows.top, top), std::max(pending.rows.bottom, bottom)};
}

void SettleColumns(const Bitmap* bitmap, const PixelRect& area) {
    if (pending.owner != bitmap) return;
    const int64_t left = std::max<int64_t>(area.left, pending.left);
    const int64_t right = std::min<int64_t>(area.right, pending.right);
    if (left >= right || !Meet(pending.rows, area.top, area.bottom)) return;
    for (int64_t x = left; x < right; ++x) {
        if (!Meet(pending.extent[size_t(x)], area.top, area.bottom)) continue;
        PaintColumn(bitmap->surface, int32_t(x), pending.spans[size_t(x)]);
    }
    if (left <= pending.left && right >= pending.right && area.top <= pending.rows.top &&
        area.bottom >= pending.rows.bottom) {
        Forget();
    }
}

// In column x the line's centre lies between its heights at x - reach and
// x + reach (clamped to its ends), and its pixels at most `reach` rows
// beyond; a column is settled only where that meets its pending rows.
void SettleColumnsAlong(const Bitmap* bitmap, int x0, int y0, int x1, int y1, int reach) {
    if (pending.owner != bitmap) return;
    const int64_t lowX = std::min(x0, x1);
    const int64_t highX = std::max(x0, x1);
    const int64_t left = std::max<int64_t>(lowX - reach, pending.left);
    const int64_t right = std::min<int64_t>(highX + reach + 1, pending.right);
    // In 64 bits: ends near the int range plus the reach would overflow.
    const int64_t lowY = int64_t{std::min(y0, y1)} - reach;
    const int64_t highY = int64_t{std::max(y0, y1)} + reach + 1;
    if (left >= right || !Meet(pending.rows, lowY, highY)) return;
    if (x0 == x1) {
        SettleColumns(bitmap, {left, lowY, right, highY});
        return;
    }
    const double slope = (double(y1) - y0) / (double(x1) - x0);
    for (int64_t x = left; x < right; ++x) {
        if (pending.extent[size_t(x)].top == kNoRows.top) continue;
        const double a = double(y0) + slope * double(std::clamp(x - reach, lowX, highX) - x0);
        const double b = double(y0) + slope * double(std::clamp(x + reach, lowX, highX) - x0);
        const int64_t top = int64_t(std::floor(std::min(a, b))) - reach - 1;
        const int64_t bottom = int64_t(std::ceil(std::max(a, b))) + reach + 2;
        if (!Meet(pending.extent[size_t(x)], top, bottom)) continue;
        PaintColumn(bitmap->surface, int32_t(x), pending.spans[size_t(x)]);
    }
}

void SettleAllColumns(const Bitmap* bitmap) {
    SettleColumns(bitmap, {INT64_MIN, INT64_MIN, INT64_MAX, INT64_MAX});
}

void DropColumns(const Bitmap* bitmap) {
    if (pending.owner != bitmap) return;
    for (int32_t x = std::max(pending.left, 0); x < pending.right; ++x) {
        pending.spans[size_t(x)].clear();
        pending.extent[size_t(x)] = kNoRows;
    }
    Forget();
}

}  // namespace gdi
