#include "render/overview.h"

#include <cmath>

#include "render/bsp_walk.h"
#include "render/overview_transform.h"
#include "render/truncate.h"
#include "wad/text_output.h"

namespace {

// A square of ±half around a point; the ± is added before truncation.
void SquareAround(HDC surface, float x, float y, float half) {
    Rectangle(surface, TruncateToInt32(x - half), TruncateToInt32(y - half),
              TruncateToInt32(x + half), TruncateToInt32(y + half));
}

void DrawStatusLine(HDC surface, const LevelView* level) {
    FormatText(statusText, sizeof statusText, "MaxDepth %d MaxDraw %d Player (%d,%d)",
               level->maxDepth, level->maxDraw, TruncateToInt32(playerX), TruncateToInt32(playerY));
    RECT rect = {0, 0, clientWidth, 50};
    DrawTextA(surface, statusText, -1, &rect, 0);
}

// Every other vertex, starting with vertex 0.
void DrawVertexes(HDC surface, const LevelView* level) {
    const OverviewPlacement at = OverviewPlacementOf(level);
    for (int32_t i = 0; i < level->numVertexes; i += 2) {
        const MapVertex& vertex = level->vertexes[i];
        SquareAround(surface, OverviewX(at, vertex.x), OverviewY(at, vertex.y), 3);
    }
}

// A linedef with a vertex outside the table has nowhere to go and is left
// out.
void DrawLinedefs(HDC surface, const LevelView* level) {
    const OverviewPlacement at = OverviewPlacementOf(level);
    for (int32_t i = 0; i < level->numLinedefs; i++) {
        const MapLinedef& linedef = level->linedefs[i];
        if (linedef.startVertex < 0 || linedef.startVertex >= level->numVertexes ||
            linedef.endVertex < 0 || linedef.endVertex >= level->numVertexes) {
            continue;
        }
        const MapVertex& start = level->vertexes[linedef.startVertex];
        const MapVertex& end = level->vertexes[linedef.endVertex];
        MoveToEx(surface, TruncateToInt32(OverviewX(at, start.x)),
                 TruncateToInt32(OverviewY(at, start.y)), NULL);
        LineTo(surface, TruncateToInt32(OverviewX(at, end.x)),
               TruncateToInt32(OverviewY(at, end.y)));
    }
}

void DrawThings(HDC surface, const LevelView* level) {
    const OverviewPlacement at = OverviewPlacementOf(level);
    for (int32_t i = 0; i < level->numThings; i++) {
        const MapThing& thing = level->things[i];
        SquareAround(surface, OverviewX(at, thing.x), OverviewY(at, thing.y), 3);
    }
}

// The marker stands at the player's position taken as surface coordinates,
// and the tick takes the sine for x and the cosine for y.
void DrawPlayerMarker(HDC surface, const LevelView* level) {
    SelectObject(surface, level->segPen);
    SquareAround(surface, playerX, playerY, 6);
    const float s = static_cast<float>(std::sin(static_cast<double>(playerAngle)));
    const float c = static_cast<float>(std::cos(static_cast<double>(playerAngle)));
    MoveToEx(surface, TruncateToInt32(playerX), TruncateToInt32(playerY), NULL);
    LineTo(surface, TruncateToInt32(playerX + s), TruncateToInt32(playerY + c));
}

}  // namespace

// Each step draws over the ones before it: the order is the stacking order.
void DrawOverview(HDC surface, LevelView* level) {
    // The surface's own pen and brush: a black border around white.
    Rectangle(surface, 0, 0, clientWidth, clientHeight);
    level->dc = surface;
    DrawStatusLine(surface, level);
    SelectObject(surface, GetStockObject(BLACK_PEN));
    DrawVertexes(surface, level);
    DrawLinedefs(surface, level);
    SelectObject(surface, level->thingPen);
    DrawThings(surface, level);
    DrawTreeWalk(surface, level);
    DrawPlayerMarker(surface, level);
}

void DrawTreeWalk(HDC surface, LevelView* level) {
    drawCount = 0;
    SelectObject(surface, level->segPen);
    // The root is the last node; with no nodes the reference wraps to
    // 0xFFFF, which the walk takes for subsector 0.
    WalkBspNode(level, static_cast<uint16_t>(level->numNodes - 1), 0);
}
