#include <algorithm>
#include <cmath>

#include "render/centre_offsets.h"
#include "render/projected_wall.h"
#include "render/truncate.h"
#include "wad/level_view.h"

namespace {

// The rows of one column, interpolated between the ends' whole heights.
void DrawColumn(HDC surface, const ProjectedWall& wall, int32_t column, float width,
                const ProjectedEnd& whole1, const ProjectedEnd& whole2) {
    const float t = std::fabs(static_cast<float>(column) - wall.end1.x) / width;
    const float u = 1.0f - t;
    const int32_t top = CentreRowMinus(TruncateToInt32(whole1.top * u + whole2.top * t));
    const int32_t bottom = CentreRowMinus(TruncateToInt32(whole1.bottom * u + whole2.bottom * t));
    const int32_t x = CentreColumnPlus(column);
    MoveToEx(surface, x, wall.crossing ? bottom : top, NULL);
    LineTo(surface, x, wall.crossing ? top : bottom);
}

ProjectedEnd WholeHeights(const ProjectedEnd& end) {
    return {end.x, static_cast<float>(TruncateToInt32(end.top)),
            static_cast<float>(TruncateToInt32(end.bottom))};
}

}  // namespace

// The columns run from trunc(x1) while x2 lies beyond them. Those left or
// right of the surface would draw nothing, and an end close to the player
// projects millions of columns away, so the loop starts at the surface's
// first column and ends at its last: the cost stays bounded by the width.
void DrawWallColumns(HDC surface, const ProjectedWall& wall) {
    const float x1 = wall.end1.x;
    const float x2 = wall.end2.x;
    const int32_t firstColumn = TruncateToInt32(x1);
    if (!(x2 > static_cast<float>(firstColumn))) return;
    const float width = std::fabs(x2 - x1);
    const ProjectedEnd whole1 = WholeHeights(wall.end1);
    const ProjectedEnd whole2 = WholeHeights(wall.end2);

    const int64_t halfWidth = HalfClientWidth();
    const int64_t surfaceFirst = -halfWidth;
    const int64_t surfaceLast = static_cast<int64_t>(clientWidth) - 1 - halfWidth;
    const int64_t start = std::max<int64_t>(firstColumn, surfaceFirst);
    for (int64_t column = start; column <= surfaceLast; column++) {
        if (!(x2 > static_cast<float>(column))) break;
        DrawColumn(surface, wall, static_cast<int32_t>(column), width, whole1, whole2);
    }
}
