#include "render/subsector_drawing.h"

#include <algorithm>

#include "render/overview_transform.h"
#include "render/truncate.h"
#include "render/wall_projection.h"
#include "wad/text_output.h"

namespace {

// Segs drawn since drawCount last started from 0, that is in this frame. In
// a valid map each seg belongs to one subsector and the walk reaches each
// subsector once, so a frame never draws more segs than the table holds.
// Damaged subsectors whose ranges overlap would draw the same walls again
// and again: a map of a thousand segs could ask for millions of walls.
int32_t segsDrawn;

bool InTable(int32_t index, int32_t count) {
    return index >= 0 && index < count;
}

// The sector on the seg's side of its linedef, or null when a reference on
// the way leads outside its table (a missing back side among them).
const MapSector* SectorFacing(const LevelView* level, const MapSeg& seg) {
    if (!InTable(seg.linedef, level->numLinedefs)) return nullptr;
    const MapLinedef& linedef = level->linedefs[seg.linedef];
    const int16_t sidedef = linedef.sideNum[seg.side == 0 ? 0 : 1];
    if (!InTable(sidedef, level->numSidedefs)) return nullptr;
    const int16_t sector = level->sidedefs[sidedef].sector;
    if (!InTable(sector, level->numSectors)) return nullptr;
    return &level->sectors[sector];
}

// A seg whose vertices are outside the table cannot be placed and is
// skipped whole; one whose sector cannot be found keeps its overview line
// and has no wall.
void DrawSeg(LevelView* level, const MapSeg& seg, const OverviewPlacement& at) {
    if (!InTable(seg.startVertex, level->numVertexes) ||
        !InTable(seg.endVertex, level->numVertexes)) {
        return;
    }
    const MapVertex& start = level->vertexes[seg.startVertex];
    const MapVertex& end = level->vertexes[seg.endVertex];
    const float x1 = OverviewX(at, start.x);
    const float y1 = OverviewY(at, start.y);
    const float x2 = OverviewX(at, end.x);
    const float y2 = OverviewY(at, end.y);
    // Selected for every seg: the previous seg's wall left its pen behind.
    SelectObject(level->dc, level->segPen);
    MoveToEx(level->dc, TruncateToInt32(x1), TruncateToInt32(y1), NULL);
    LineTo(level->dc, TruncateToInt32(x2), TruncateToInt32(y2));

    const MapSector* sector = SectorFacing(level, seg);
    if (sector == nullptr) return;
    ProjectWall(level, level->dc, x1, y1, x2, y2, sector->ceilingHeight, sector->floorHeight,
                playerX, playerY, playerAngle);
}

}  // namespace

void DrawSubsector(LevelView* level, int16_t index) {
    if (!InTable(index, level->numSubsectors)) {
        LogPrint("Fail\r\n");
        return;
    }
    if (drawCount >= level->maxDraw) return;
    if (drawCount == 0) segsDrawn = 0;
    // Counted before its segs are looked at: a subsector that draws nothing
    // still counts, and the count picks the pen of all its walls.
    drawCount++;
    const MapSubsector& subsector = level->subsectors[index];
    const int32_t first = subsector.firstSeg;
    const int32_t count = subsector.segCount;
    if (count <= 0) return;
    const OverviewPlacement at = OverviewPlacementOf(level);
    // Only the part of the range inside the table is walked: a damaged range
    // of 32767 segs, taken by thousands of subsectors, would otherwise cost
    // a hundred million steps a frame while drawing nothing.
    const int32_t end = std::min(first + count, level->numSegs);
    for (int32_t i = std::max(first, 0); i < end; i++) {
        if (segsDrawn >= level->numSegs) return;
        segsDrawn++;
        DrawSeg(level, level->segs[i], at);
    }
}
