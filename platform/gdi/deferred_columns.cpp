#include "platform/gdi/deferred_columns.h"

#include <algorithm>
#include <bit>
#include <climits>
#include <functional>
#include <numeric>
#include <vector>

#include "platform/gdi/span_fill.h"
#include "platform/gdi/wide_line.h"

namespace gdi {

namespace {

// Rows top <= y < bottom of one column, filled by the call with `stamp`.
struct ColumnSpan {
    int32_t top;
    int32_t bottom;
    uint32_t pixel;
    uint32_t stamp;
};

struct RowRange {
    int32_t top;
    int32_t bottom;
};

// A column's pieces still to paint: pieces[next] up to pieces[end - 1].
struct PieceRange {
    size_t next;
    size_t end;
};

// The head of a column whose pieces are all painted: it lies below every
// band, so no band paints it.
constexpr ColumnSpan kNoPiece{INT32_MAX, INT32_MAX, 0, 0};

// One bitmap at a time has pending fills: a frame draws into one. The
// vectors keep their capacity from frame to frame (a column's up to
// kSpansKeptPerColumn).
struct PendingColumns {
    const Bitmap* owner = nullptr;               // null when no fill is pending
    std::vector<std::vector<ColumnSpan>> spans;  // per column, in drawing order
    // Only while settling or dropping them, the columns [left, right) and
    // the rows that hold spans, to whole tiles but for the bitmap's edges.
    int32_t left = 0;
    int32_t right = 0;
    RowRange rows{0, 0};
    std::vector<uint32_t> stamps;  // the plane's pixels, rows the owner's stride apart
    // Its stamp is that of the last call drawn at once, 0 for none since the
    // stamps started.
    StampPlane plane{};
    // Per tile of kTile x kTile pixels, row after row of tiles, the newest
    // stamp drawn into it: a span newer than that paints the tile's rows
    // without looking at the plane.
    std::vector<uint32_t> newestInTile;
    int64_t tilesAcross = 0;
    // Per column of tiles, a bit for each band of kTile rows that a pending
    // span covers (bands from the 64th on share the last bit): a call that
    // draws only where no span is pending needs no stamps.
    std::vector<uint64_t> heldBands;
    // Scratch of a settling: the rows a later span already took, the pieces
    // of the spans that stay, column after column and each column top down,
    // and per column a copy of the next of its pieces to paint (`heads`),
    // with where that piece and the column's last piece lie in `pieces`.
    std::vector<RowRange> covered;
    std::vector<ColumnSpan> pieces;
    std::vector<ColumnSpan> heads;
    std::vector<PieceRange> headRanges;
    // The stamps and colours of the pieces of a band's run of columns that
    // must ask the plane, apart so that a row of them compares as vectors.
    std::vector<uint32_t> checkedStamps;
    std::vector<uint32_t> checkedPixels;
};

PendingColumns pending;

// Stamps only grow, across bitmaps too, so that whatever an earlier frame
// or bitmap left in the plane is older than every span pending now.
uint32_t lastStamp = 0;

// Settling goes down the bitmap in bands of kTile rows, each across all
// columns: a band's rows of the bitmap and of the plane stay in the cache
// while the columns go by, where a column at a time went down a thousand
// rows and came back for the next column.
constexpr int32_t kTile = 32;

// A bitmap that is drawn into and never read would hold its fills back
// without end, its memory growing with every call. Settling early paints the
// same pixels, so the fills settle once this many stamps have been taken
// since the first pending one. Each call takes one stamp, and one that holds
// a fill back adds a span to at most three columns, so at most 1.5 M spans
// (24 MB) are ever pending; the heaviest frame of Freedoom's maps at
// 1920x1080 takes 83,000 stamps, a sixth of these.
constexpr uint32_t kMostStampsPending = uint32_t(1) << 19;

// The stamp TakeStamp stops at: the last one, after which the stamps start
// again, or while fills are pending the one at which they settle. One
// comparison a call serves both.
uint32_t stampLimit = UINT32_MAX;

// And a column that once held many spans keeps no more room than this after
// settling (16 KB), so the room all columns keep stays bounded too; those
// frames hold back at most 236 spans in one column.
constexpr size_t kSpansKeptPerColumn = 1024;

void EmptyColumn(std::vector<ColumnSpan>& spans) {
    spans.clear();
    if (spans.capacity() > kSpansKeptPerColumn) std::vector<ColumnSpan>().swap(spans);
}

// Out of line, so that the loop over a fill's columns holds no growing
// code: with push_back's own inline, the compiler kept the loop's values on
// the stack.
__attribute__((noinline, cold)) void GrowColumn(std::vector<ColumnSpan>& spans) {
    spans.reserve(std::max<size_t>(2 * spans.capacity(), 16));
}

// Bits first..last of the bands rows top..bottom - 1 meet.
uint64_t Bands(int64_t top, int64_t bottom) {
    const int64_t first = std::min<int64_t>(top / kTile, 63);
    const int64_t last = std::min<int64_t>((bottom - 1) / kTile, 63);
    return (~uint64_t{0} >> (63 - last)) & (~uint64_t{0} << first);
}

void Forget() {
    pending.owner = nullptr;
    stampLimit = UINT32_MAX;
}

// The columns and rows with spans, from the tiles' band bits: a fill marks
// those anyway, where keeping exact bounds cost each fill four tests. The
// columns and rows the bounds add to the exact ones hold no span, so
// settling paints nothing more there.
void FindHeldArea() {
    const std::vector<uint64_t>& held = pending.heldBands;
    auto holds = [](uint64_t bands) { return bands != 0; };
    const auto first = std::find_if(held.begin(), held.end(), holds);
    // A run of plumb lines owns the bitmap from its first line, which may
    // have fallen wholly off it.
    if (first == held.end()) {
        pending.left = pending.right = 0;
        pending.rows = {0, 0};
        return;
    }
    const auto last = std::find_if(held.rbegin(), held.rend(), holds);
    const int32_t width = int32_t(pending.owner->surface.width);
    const int32_t height = int32_t(pending.owner->surface.height);
    pending.left = int32_t(first - held.begin()) * kTile;
    pending.right = std::min(int32_t(held.rend() - last) * kTile, width);
    const uint64_t rows = std::accumulate(first, last.base(), uint64_t{0}, std::bit_or<>());
    const int32_t lowest = std::countr_zero(rows);
    const int32_t highest = 63 - std::countl_zero(rows);
    pending.rows.top = lowest * kTile;
    // Bit 63 stands for the 64th band and all below it.
    pending.rows.bottom = highest == 63 ? height : std::min((highest + 1) * kTile, height);
}

// At either limit the pending fills settle; when fewer than `wanted`
// stamps are left of four billion, the stamps then start again from an
// empty plane. This and Own (once a frame) stay out of line: the
// DeferColumnFill that calls them runs tens of thousands of times a frame,
// and its usual path is shorter without them.
__attribute__((noinline, cold)) void ReachStampLimit(uint32_t wanted) {
    if (pending.owner != nullptr) SettleAllColumns(pending.owner);
    if (UINT32_MAX - lastStamp >= wanted) return;
    std::fill(pending.stamps.begin(), pending.stamps.end(), 0);
    std::fill(pending.newestInTile.begin(), pending.newestInTile.end(), 0);
    lastStamp = 0;
    pending.plane.stamp = 0;
}

uint32_t TakeStamp() {
    if (lastStamp == stampLimit) [[unlikely]] {
        ReachStampLimit(1);
    }
    return ++lastStamp;
}

// As many stamps as calls at once, the newest returned; `count` is far
// below kMostStampsPending.
uint32_t TakeStamps(uint32_t count) {
    if (stampLimit - lastStamp < count) [[unlikely]] {
        ReachStampLimit(count);
    }
    lastStamp += count;
    return lastStamp;
}

__attribute__((noinline, cold)) void Own(const Bitmap* bitmap) {
    const PixelSurface& surface = bitmap->surface;
    pending.owner = bitmap;
    pending.spans.resize(size_t(surface.width));
    const size_t size = size_t(surface.stride) * size_t(surface.height);
    if (pending.stamps.size() < size) pending.stamps.resize(size, 0);
    pending.plane.surface = {pending.stamps.data(), surface.width, surface.height, surface.stride};
    pending.tilesAcross = (surface.width + kTile - 1) / kTile;
    const size_t tiles = size_t(pending.tilesAcross) * size_t((surface.height + kTile - 1) / kTile);
    if (pending.newestInTile.size() < tiles) pending.newestInTile.resize(tiles, 0);
    pending.heldBands.assign(size_t(pending.tilesAcross), 0);
    stampLimit =
        UINT32_MAX - lastStamp > kMostStampsPending ? lastStamp + kMostStampsPending : UINT32_MAX;
}

// The last span over a pixel decides its colour among the spans, so walking
// them from the last to the first and keeping only rows no later span took
// leaves each row to its one span. `covered` holds the rows taken as sorted,
// disjoint, non-adjacent ranges.
void ResolveColumn(std::vector<ColumnSpan>& spans) {
    std::vector<RowRange>& covered = pending.covered;
    auto keep = [](const ColumnSpan& span, int32_t top, int32_t bottom) {
        pending.pieces.push_back({top, bottom, span.pixel, span.stamp});
    };
    covered.clear();
    for (auto span = spans.rbegin(); span != spans.rend(); ++span) {
        int32_t cursor = span->top;
        size_t first = 0;
        while (first < covered.size() && covered[first].bottom < span->top) ++first;
        // Only for speed: four spans in five of the heaviest frame lie
        // wholly inside one range, and would keep and merge nothing.
        if (first < covered.size() && covered[first].top <= span->top &&
            covered[first].bottom >= span->bottom) {
            continue;
        }
        size_t last = first;
        for (; last < covered.size() && covered[last].top <= span->bottom; ++last) {
            if (covered[last].top > cursor) keep(*span, cursor, covered[last].top);
            cursor = std::max(cursor, covered[last].bottom);
        }
        if (cursor < span->bottom) keep(*span, cursor, span->bottom);
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
    EmptyColumn(spans);
}

// A pixel a call drew at once after the piece's span keeps that call's
// colour; a piece newer than everything drawn into its tile (`fresh`) has
// no such pixel. Rows top..bottom lie in one band of tiles.
void PaintPiece(const PixelSurface& surface, int32_t x, const ColumnSpan& piece, bool fresh,
                int32_t top, int32_t bottom) {
    uint32_t* at = surface.Row(top) + x;
    if (fresh) {
        FillNarrowRows<1>(at, bottom - top, surface.stride, piece.pixel);
        return;
    }
    const uint32_t* stamp = pending.plane.surface.Row(top) + x;
    for (int32_t y = top; y < bottom; ++y, at += surface.stride, stamp += surface.stride) {
        if (*stamp < piece.stamp) *at = piece.pixel;
    }
}

// The runs of columns that one piece covers through a whole band, left to
// right along it: fresh ones side by side in one colour make a rectangle,
// filled row by row; the others go a row at a time, each pixel still asking
// the plane. Any other column ends both runs. Rows write whole cache lines
// where a column at a time wrote one pixel of each.
struct BandRuns {
    const PixelSurface& surface;
    int32_t top;
    int32_t bottom;
    bool inSolid = false;
    int32_t solidLeft = 0;
    uint32_t solidPixel = 0;
    int32_t checkedLeft = 0;  // the column of the first checked piece

    void AddFresh(int32_t x, const ColumnSpan& piece) {
        EndChecked();
        if (inSolid && piece.pixel == solidPixel) return;
        EndSolid(x);
        inSolid = true;
        solidLeft = x;
        solidPixel = piece.pixel;
    }

    void AddChecked(int32_t x, const ColumnSpan& piece) {
        EndSolid(x);
        if (pending.checkedStamps.empty()) checkedLeft = x;
        pending.checkedStamps.push_back(piece.stamp);
        pending.checkedPixels.push_back(piece.pixel);
    }

    void End(int32_t x) {
        EndSolid(x);
        EndChecked();
    }

    void EndSolid(int32_t x) {
        if (inSolid) FillSolid(surface, {solidLeft, top, x, bottom}, solidPixel);
        inSolid = false;
    }

    // Every pixel of the run is written, most with the colour it has, and
    // both colours are read before the choice, so the compiler compares and
    // blends a vector of pixels at a time: a store or a read only where the
    // piece wins keeps it to one pixel at a time.
    void EndChecked() {
        const uint32_t* pieceStamps = pending.checkedStamps.data();
        const uint32_t* piecePixels = pending.checkedPixels.data();
        const size_t count = pending.checkedStamps.size();
        for (int32_t y = top; count != 0 && y < bottom; ++y) {
            uint32_t* row = surface.Row(y) + checkedLeft;
            const uint32_t* stamps = pending.plane.surface.Row(y) + checkedLeft;
            for (size_t i = 0; i < count; ++i) {
                const uint32_t piece = piecePixels[i];
                const uint32_t drawn = row[i];
                row[i] = stamps[i] < pieceStamps[i] ? piece : drawn;
            }
        }
        pending.checkedStamps.clear();
        pending.checkedPixels.clear();
    }
};

// Settling goes down the bands; most of a band is walls' bodies, columns
// that one piece covers from the band's top to its bottom, and the rest,
// the pieces' ends, paint a column at a time. Each band looks at the next
// piece of every column in the tiles that spans reach: kept side by side
// in `heads`, a band reads them in a few cache lines, where in `pieces`
// they lie a column's pieces apart.
void PaintTiles(const PixelSurface& surface) {
    // Read once: the pixels' stores might alias `pending`, so the vectors'
    // addresses were loaded again for every column of every band.
    ColumnSpan* const heads = pending.heads.data();
    PieceRange* const headRanges = pending.headRanges.data();
    const ColumnSpan* const pieces = pending.pieces.data();
    const uint64_t* const held = pending.heldBands.data();
    const int32_t left = pending.left;
    const int32_t right = pending.right;
    auto advance = [&](size_t column) {
        PieceRange& range = headRanges[column];
        ++range.next;
        heads[column] = range.next < range.end ? pieces[range.next] : kNoPiece;
    };
    for (int32_t tileTop = pending.rows.top / kTile * kTile; tileTop < pending.rows.bottom;
         tileTop += kTile) {
        const int32_t tileBottom = std::min(tileTop + kTile, pending.rows.bottom);
        const uint32_t* newest =
            pending.newestInTile.data() + tileTop / kTile * pending.tilesAcross;
        BandRuns runs{surface, tileTop, tileBottom};
        const uint64_t band = Bands(tileTop, tileBottom);
        // A tile that no span reaches holds no piece either, so its columns
        // go by at once: in a light filled frame most of the held area's
        // tiles are above or below the walls, and looking at each of their
        // columns made settling cost more than the fills it saved.
        for (int32_t tileLeft = left; tileLeft < right; tileLeft += kTile) {
            if ((held[tileLeft / kTile] & band) == 0) {
                runs.End(tileLeft);
                continue;
            }
            const uint32_t newestHere = newest[tileLeft / kTile];
            const int32_t tileRight = std::min(tileLeft + kTile, right);
            for (int32_t x = tileLeft; x < tileRight; ++x) {
                const size_t column = size_t(x - left);
                const ColumnSpan& head = heads[column];
                if (head.top <= tileTop && head.bottom >= tileBottom) {
                    if (head.stamp > newestHere) {
                        runs.AddFresh(x, head);
                    } else {
                        runs.AddChecked(x, head);
                    }
                    // Only for speed: a piece left as next when it ends
                    // here would make the next band paint it over no rows,
                    // breaking that band's run.
                    if (head.bottom == tileBottom) advance(column);
                    continue;
                }
                runs.End(x);
                while (head.top < tileBottom) {
                    const ColumnSpan piece = head;
                    PaintPiece(surface, x, piece, piece.stamp > newestHere,
                               std::max(piece.top, tileTop), std::min(piece.bottom, tileBottom));
                    if (piece.bottom > tileBottom) break;
                    advance(column);
                }
            }
        }
        runs.End(right);
    }
}

// A wide pen's column line covers its own column and the one beside it, so
// each column of a filled wall gets a span from two successive calls, most
// of one hidden by the other. A column's last span and a new one in the same
// colour that overlap or touch make one span in the new stamp when no call
// drew at once after the last: no pixel of the plane then holds a stamp
// between the two, so for every pixel the joined span wins or loses against
// the plane exactly as the two did. It halves the spans a filled frame holds
// back and settles.
bool Joins(const ColumnSpan& last, int32_t top, int32_t bottom, uint32_t pixel,
           uint32_t drawnAtOnce) {
    return last.stamp > drawnAtOnce && last.pixel == pixel && top <= last.bottom &&
           last.top <= bottom;
}

// Rows that no line fills: every test of touching rows fails on them.
constexpr RowRange kNoRows{INT32_MAX, INT32_MIN};

// A span for a column, joined to its last span where Joins allows.
inline void AddSpan(std::vector<ColumnSpan>& spans, const RowRange& rows, uint32_t pixel,
                    uint32_t stamp, uint32_t drawnAtOnce) {
    if (!spans.empty()) {
        ColumnSpan& last = spans.back();
        if (Joins(last, rows.top, rows.bottom, pixel, drawnAtOnce)) {
            last = {std::min(last.top, rows.top), std::max(last.bottom, rows.bottom), pixel, stamp};
            return;
        }
    }
    if (spans.size() == spans.capacity()) [[unlikely]] {
        GrowColumn(spans);
    }
    // Tells the compiler that push_back need not grow the vector.
    if (spans.size() >= spans.capacity()) __builtin_unreachable();
    spans.push_back({rows.top, rows.bottom, pixel, stamp});
}

// Per line of the run, the rows its band fills in the bitmap, after a
// first entry for the column left of the first line and before a last for
// the column right of the last, which no line fills.
std::array<RowRange, PlumbRun::kMostLines + 2> runRows;

// The run's lines become fills, as their calls would have held them back
// one by one, but a column at a time: line x fills columns x - 1 and x, so
// column c takes line c's rows and then line c + 1's, one span where they
// touch, since the second would have joined the first. The lines take their
// stamps here, all at once: no call drew at once since the first of them,
// as one that does comes here first, so for every pixel of the plane the
// newest of them compares as each of them would. The run is emptied first,
// since a stamp limit reached here settles the fills, and settling comes
// here too.
__attribute__((noinline)) void MakePlumbRunFills() {
    PlumbRun& run = plumbRun;
    const Bitmap* bitmap = run.bitmap;
    const int64_t count = run.count;
    const int64_t firstX = run.nextX - count;
    run.bitmap = nullptr;
    run.count = 0;
    const uint32_t stamp = TakeStamps(uint32_t(count));
    if (pending.owner != bitmap) Own(bitmap);  // settled at a stamp limit
    const int64_t height = bitmap->surface.height;
    runRows[0] = kNoRows;
    for (int64_t i = 0; i < count; ++i) {
        const PlumbRun::Ends ends = run.ends[size_t(i)];
        const PixelRect band = StraightBand(0, ends.y0, 0, ends.y1, 2).body;
        const int64_t top = std::max<int64_t>(band.top, 0);
        const int64_t bottom = std::min<int64_t>(band.bottom, height);
        runRows[size_t(i + 1)] = top < bottom ? RowRange{int32_t(top), int32_t(bottom)} : kNoRows;
    }
    runRows[size_t(count + 1)] = kNoRows;
    // Column x takes entries x - (firstX - 1) and the one after.
    const int64_t origin = firstX - 1;
    const int64_t left = std::max<int64_t>(origin, 0);
    const int64_t right = std::min<int64_t>(origin + count + 1, bitmap->surface.width);
    std::vector<ColumnSpan>* const columns = pending.spans.data();
    uint64_t* const held = pending.heldBands.data();
    const uint32_t drawnAtOnce = pending.plane.stamp;
    const uint32_t pixel = run.pixel;
    for (int64_t tileLeft = left; tileLeft < right; tileLeft = (tileLeft / kTile + 1) * kTile) {
        const int64_t tileRight = std::min((tileLeft / kTile + 1) * kTile, right);
        RowRange inTile = kNoRows;
        for (int64_t x = tileLeft; x < tileRight; ++x) {
            RowRange first = runRows[size_t(x - origin)];
            RowRange second = runRows[size_t(x - origin + 1)];
            if (first.top <= second.bottom && second.top <= first.bottom) {
                first = {std::min(first.top, second.top), std::max(first.bottom, second.bottom)};
                second = kNoRows;
            }
            if (first.top < first.bottom) AddSpan(columns[x], first, pixel, stamp, drawnAtOnce);
            if (second.top < second.bottom) AddSpan(columns[x], second, pixel, stamp, drawnAtOnce);
            inTile = {std::min({inTile.top, first.top, second.top}),
                      std::max({inTile.bottom, first.bottom, second.bottom})};
        }
        if (inTile.top < inTile.bottom) held[tileLeft / kTile] |= Bands(inTile.top, inTile.bottom);
    }
}

inline void HoldBackPlumbRun() {
    if (plumbRun.bitmap != nullptr) MakePlumbRunFills();
}

}  // namespace

PlumbRun plumbRun;

void StartPlumbRun(Bitmap* bitmap, int x, int y0, int y1, uint32_t pixel) {
    HoldBackPlumbRun();
    // Owned from the first line on, so that whatever comes next over the
    // run asks for a stamp, and so makes the run fills first.
    if (pending.owner != bitmap) {
        if (pending.owner != nullptr) SettleAllColumns(pending.owner);
        Own(bitmap);
    }
    PlumbRun& run = plumbRun;
    run.bitmap = bitmap;
    run.pixel = pixel;
    run.ends[0] = {y0, y1};
    run.count = 1;
    run.nextX = int64_t(x) + 1;
}

void DeferColumnFill(Bitmap* bitmap, const PixelRect& rect, uint32_t pixel) {
    HoldBackPlumbRun();
    const PixelRect visible = Intersect(rect, Bounds(bitmap->surface));
    if (visible.Empty()) return;
    const uint32_t stamp = TakeStamp();
    if (pending.owner != bitmap) {
        if (pending.owner != nullptr) SettleAllColumns(pending.owner);
        Own(bitmap);
    }
    const auto left = int32_t(visible.left);
    const auto right = int32_t(visible.right);
    const auto top = int32_t(visible.top);
    const auto bottom = int32_t(visible.bottom);
    // Most fills lie in one column of tiles, the rest in two: the first and
    // last marked alone, where a loop took as many instructions to set up.
    const uint64_t bands = Bands(top, bottom);
    uint64_t* const held = pending.heldBands.data();
    const int32_t firstTile = left / kTile;
    const int32_t lastTile = (right - 1) / kTile;
    held[firstTile] |= bands;
    held[lastTile] |= bands;
    for (int32_t tile = firstTile + 1; tile < lastTile; ++tile) held[tile] |= bands;
    // Read once: each push_back's stores might alias `pending`, so spans[x]
    // would load the vectors' address again for every column.
    std::vector<ColumnSpan>* const columns = pending.spans.data();
    const uint32_t drawnAtOnce = pending.plane.stamp;  // the last call drawn at once
    for (int32_t x = left; x < right; ++x) {
        AddSpan(columns[x], {top, bottom}, pixel, stamp, drawnAtOnce);
    }
}

bool HoldsColumns(const Bitmap* bitmap) {
    return bitmap != nullptr && pending.owner == bitmap;
}

const StampPlane* NextStamp(const Bitmap* bitmap, const PixelRect& area) {
    HoldBackPlumbRun();
    const PixelRect visible = Intersect(area, Bounds(bitmap->surface));
    if (visible.Empty()) return nullptr;
    const uint64_t bands = Bands(visible.top, visible.bottom);
    const auto firstColumn = pending.heldBands.begin() + visible.left / kTile;
    const auto endColumn = pending.heldBands.begin() + (visible.right - 1) / kTile + 1;
    if (std::none_of(firstColumn, endColumn, [&](uint64_t held) { return held & bands; })) {
        return nullptr;
    }
    const uint32_t stamp = TakeStamp();
    if (pending.owner == nullptr) return nullptr;  // settled at a stamp limit
    pending.plane.stamp = stamp;
    for (int64_t row = visible.top / kTile; row <= (visible.bottom - 1) / kTile; ++row) {
        uint32_t* tiles = pending.newestInTile.data() + row * pending.tilesAcross;
        std::fill(tiles + visible.left / kTile, tiles + (visible.right - 1) / kTile + 1, stamp);
    }
    return &pending.plane;
}

void SettleAllColumns(const Bitmap* bitmap) {
    if (!HoldsColumns(bitmap)) return;
    HoldBackPlumbRun();
    FindHeldArea();
    pending.pieces.clear();
    pending.heads.clear();
    pending.headRanges.clear();
    for (int32_t x = pending.left; x < pending.right; ++x) {
        const size_t first = pending.pieces.size();
        ResolveColumn(pending.spans[size_t(x)]);
        std::sort(pending.pieces.begin() + ptrdiff_t(first), pending.pieces.end(),
                  [](const ColumnSpan& a, const ColumnSpan& b) { return a.top < b.top; });
        const size_t end = pending.pieces.size();
        pending.heads.push_back(first < end ? pending.pieces[first] : kNoPiece);
        pending.headRanges.push_back({first, end});
    }
    PaintTiles(bitmap->surface);
    Forget();
}

void DropColumns(const Bitmap* bitmap) {
    if (!HoldsColumns(bitmap)) return;
    plumbRun.bitmap = nullptr;
    plumbRun.count = 0;
    FindHeldArea();
    for (int32_t x = pending.left; x < pending.right; ++x) EmptyColumn(pending.spans[size_t(x)]);
    Forget();
}

}  // namespace gdi
