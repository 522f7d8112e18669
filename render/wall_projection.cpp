#include "render/wall_projection.h"

#include <cmath>
#include <cstdint>
#include <cstring>

#include "render/near_cut.h"
#include "render/projected_wall.h"

namespace {

// An end lies X = 128 l / (F d) columns left of the centre and reaches
// T = 32 H / (F d) rows above and below it: with F = 0.25, 512 l / d and
// 128 H / d; the zoom's F = 0.125 doubles both. The column offset depends
// only on the direction of the end (l and d are both overview units), the
// height grows with the overview's scale (H is in map units, d is not).
// 128, 32 and F are powers of two, so both products are exact and each value
// is one correctly rounded quotient, whatever order the factors come in.
// An end at depth 0 is never projected: its offsets stay 0.
ProjectedEnd Project(float lateral, float depth, float height, float factor) {
    if (depth == 0) return {0, 0, 0};
    const float top = (height * 32) / (factor * depth);
    return {-((lateral * 128) / (factor * depth)), top, -top};
}

// drawCount is at least 1 here, since the subsector has been counted; the
// remainder is kept non-negative all the same, so no count reads outside
// the table.
HPEN SubsectorWallPen(const LevelView* level) {
    const int index = (drawCount % kRandomPenCount + kRandomPenCount) % kRandomPenCount;
    return level->wallPens[index];
}

// The facing's sine and cosine as the projection takes them. A frame
// projects every wall with the same facing, and the two library calls were
// nearly a third of what a wall costs outside its drawing calls, so they are
// made again only when the facing's bits change.
struct FacingTurn {
    uint32_t facingBits;
    float s;
    float c;
};

FacingTurn facingTurn = {0, 0.0f, 1.0f};  // +0, whose bits are all zero

// Copied out, since the browser build's library has no std::bit_cast.
uint32_t BitsOf(float value) {
    uint32_t bits;
    memcpy(&bits, &value, sizeof bits);
    return bits;
}

const FacingTurn& TurnOf(float facing) {
    const uint32_t bits = BitsOf(facing);
    if (bits != facingTurn.facingBits) {
        facingTurn = {bits, static_cast<float>(std::sin(static_cast<double>(facing))),
                      static_cast<float>(std::cos(static_cast<double>(facing)))};
    }
    return facingTurn;
}

}  // namespace

void ProjectWall(LevelView* level, HDC surface, float x1, float y1, float x2, float y2,
                 float ceiling, float floor, float playerPosX, float playerPosY,
                 float playerFacing) {
    const float dx1 = x1 - playerPosX;
    const float dy1 = y1 - playerPosY;
    const float dx2 = x2 - playerPosX;
    const float dy2 = y2 - playerPosY;
    const FacingTurn& turn = TurnOf(playerFacing);
    const float s = turn.s;
    const float c = turn.c;
    float depth1 = c * dx1 + s * dy1;
    float depth2 = c * dx2 + s * dy2;
    float lateral1 = s * dx1 - c * dy1;
    float lateral2 = s * dx2 - c * dy2;
    const float height = ceiling - floor;
    const float factor = zoomedProjection ? 0.125f : 0.25f;

    SelectObject(surface, SubsectorWallPen(level));
    if (depth1 < 0 && depth2 < 0) return;
    const bool inFront = depth1 > 0 && depth2 > 0;
    const bool neitherInFront = depth1 <= 0 && depth2 <= 0;
    if (!inFront && !neitherInFront && !CutNearEnd(&lateral1, &depth1, &lateral2, &depth2)) {
        return;
    }
    // With neither end in front (one exactly at 0) nothing is projected and
    // the wall collapses onto the centre.
    ProjectedWall wall = {{0, 0, 0}, {0, 0, 0}, !inFront};
    if (!neitherInFront) {
        wall.end1 = Project(lateral1, depth1, height, factor);
        wall.end2 = Project(lateral2, depth2, height, factor);
    }
    if (fillWalls) {
        DrawWallColumns(surface, wall);
    } else {
        DrawWallOutline(surface, wall);
    }
}
