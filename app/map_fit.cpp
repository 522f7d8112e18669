#include "app/map_fit.h"

#include <math.h>

#include "app/view_keys.h"
#include "render/overview_transform.h"
#include "render/truncate.h"

bool viewLookPending;

// Pixels kept free between the map's box and the edges of its area.
static const float kFitMargin = 8.0f;
// The scale at which one map unit is ten pixels; a map too small to need
// more (a single vertex, say) is fitted at this.
static const float kLargestFitScale = 100.0f;

static bool HasMapArea() {
    return clientWidth > 0 && clientHeight > kStatusLineHeight;
}

struct VertexBox {
    int32_t left, top, right, bottom;
};

static VertexBox BoundVertexes(const LevelView* level) {
    VertexBox box = {level->vertexes[0].x, level->vertexes[0].y, level->vertexes[0].x,
                     level->vertexes[0].y};
    for (int32_t i = 1; i < level->numVertexes; i++) {
        const MapVertex& vertex = level->vertexes[i];
        if (vertex.x < box.left) box.left = vertex.x;
        if (vertex.x > box.right) box.right = vertex.x;
        if (vertex.y < box.top) box.top = vertex.y;
        if (vertex.y > box.bottom) box.bottom = vertex.y;
    }
    return box;
}

// The largest step of the zoom ladder (whole multiples of the zoom step,
// the values Page Up and Page Down move between) at which the box fits; at
// least one step, so a fit never gives a scale of 0 or below, and at most
// kLargestFitScale. A box of no width or height is taken as one unit wide.
// The transform puts span map units on span x scale / 10 pixels, so the box
// fits while scale <= 10 x area / span on both axes.
static float FitScale(const VertexBox& box, float areaWidth, float areaHeight) {
    const float spanX = (float)(box.right - box.left > 0 ? box.right - box.left : 1);
    const float spanY = (float)(box.bottom - box.top > 0 ? box.bottom - box.top : 1);
    const float fitX = 10.0f * areaWidth / spanX;
    const float fitY = 10.0f * areaHeight / spanY;
    const float wanted = fitX < fitY ? fitX : fitY;
    const float steps = floorf(wanted / kZoomStep);
    if (steps < 1.0f) return kZoomStep;
    const float scale = steps * kZoomStep;
    return scale > kLargestFitScale ? kLargestFitScale : scale;
}

// The offset that puts map coordinate `centre` at surface coordinate
// `target`: solving (centre x scale + offset x scale) / 10 = target gives
// offset = 10 x target / scale - centre, evaluated in f32 in that order.
static float CentringOffset(float target, float scale, float centre) {
    return 10.0f * target / scale - centre;
}

void FitViewToMap(LevelView* level) {
    if (level->numVertexes <= 0 || level->vertexes == NULL) return;
    const VertexBox box = BoundVertexes(level);
    const float areaWidth = (float)clientWidth - 2.0f * kFitMargin;
    const float areaHeight = (float)(clientHeight - kStatusLineHeight) - 2.0f * kFitMargin;
    const float scale = FitScale(box, areaWidth, areaHeight);
    level->scale = scale;
    level->offsetX =
        CentringOffset((float)clientWidth * 0.5f, scale, (float)(box.left + box.right) * 0.5f);
    level->offsetY =
        CentringOffset((float)kStatusLineHeight + (float)(clientHeight - kStatusLineHeight) * 0.5f,
                       scale, (float)(box.top + box.bottom) * 0.5f);
}

struct Point {
    int64_t x, y;
};

static Point DrawnPoint(const LevelView* level, const MapVertex& vertex) {
    const OverviewPlacement at = OverviewPlacementOf(level);
    return {TruncateToInt32(OverviewX(at, vertex.x)), TruncateToInt32(OverviewY(at, vertex.y))};
}

// The side of the line a-b that c lies on, exactly: the sign of the cross
// product, which the 32-bit inputs keep well inside 64 bits.
static int SideOf(Point a, Point b, Point c) {
    const int64_t cross = (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
    return (cross > 0) - (cross < 0);
}

// A segment meets a box unless the two are apart along one of the box's
// axes, or all four corners lie strictly on one side of the segment's line
// (the separating-axis test for a segment and a convex box).
static bool SegmentMeetsBox(Point a, Point b, int64_t left, int64_t top, int64_t right,
                            int64_t bottom) {
    if ((a.x < left && b.x < left) || (a.x > right && b.x > right)) return false;
    if ((a.y < top && b.y < top) || (a.y > bottom && b.y > bottom)) return false;
    const Point corners[4] = {{left, top}, {right, top}, {left, bottom}, {right, bottom}};
    int sides = 0;
    for (const Point& corner : corners) sides += SideOf(a, b, corner);
    return sides != 4 && sides != -4;
}

static bool AnyLinedefInSight(const LevelView* level) {
    for (int32_t i = 0; i < level->numLinedefs; i++) {
        const MapLinedef& linedef = level->linedefs[i];
        if (linedef.startVertex < 0 || linedef.startVertex >= level->numVertexes ||
            linedef.endVertex < 0 || linedef.endVertex >= level->numVertexes) {
            continue;
        }
        const Point start = DrawnPoint(level, level->vertexes[linedef.startVertex]);
        const Point end = DrawnPoint(level, level->vertexes[linedef.endVertex]);
        if (SegmentMeetsBox(start, end, 0, kStatusLineHeight, clientWidth - 1, clientHeight - 1)) {
            return true;
        }
    }
    return false;
}

void FitViewWhenMapOutOfSight(LevelView* level) {
    viewLookPending = !HasMapArea();
    if (!viewLookPending && !AnyLinedefInSight(level)) FitViewToMap(level);
}
