#include "render/partition_line.h"

#include "render/overview_transform.h"
#include "render/truncate.h"
#include "wad/text_output.h"

namespace {

// Five pens apart per level of depth; the tables end at 254, which no depth
// up to 50 uses, so every deeper node takes pen 254 and stays recognisable
// as one of the deep ones.
int PenIndexForDepth(int32_t depth) {
    return depth >= 0 && depth <= 50 ? 5 * depth : kRandomPenCount - 1;
}

// The labels of the depths that real trees reach, each formatted once: a
// frame writes thousands of them, and formatting every one anew took about
// 130 instructions a label, near a twenty-fifth of an outline frame. The
// table starts zeroed, so an empty label is one not yet formatted. A
// deeper label goes into one buffer, good until the next one: each is drawn
// at once.
constexpr int32_t kLabelledDepths = 256;
char depthLabels[kLabelledDepths][sizeof "P255"];
char deepLabel[sizeof "P-2147483648"];

const char* DepthLabel(int32_t depth) {
    if (depth < 0 || depth >= kLabelledDepths) {
        FormatText(deepLabel, sizeof deepLabel, "P%d", depth);
        return deepLabel;
    }
    char* const label = depthLabels[depth];
    if (label[0] == '\0') FormatText(label, sizeof depthLabels[depth], "P%d", depth);
    return label;
}

}  // namespace

int PlayerSideOfPartition(const MapNode& node) {
    const float px = playerX;
    const float py = playerY;
    const float x = node.x;
    const float y = node.y;
    const float dx = node.dx;
    const float dy = node.dy;
    if (dx == 0) {
        if (px <= x) return dy > 0 ? 1 : 0;
        return dy < 0 ? 1 : 0;
    }
    if (dy == 0) {
        if (py <= y) return dx < 0 ? 1 : 0;
        return dx > 0 ? 1 : 0;
    }
    return (px - x) * dy <= (py - y) * dx ? 1 : 0;
}

void DrawPartitionLine(LevelView* level, const MapNode& node, int32_t depth, int side) {
    // The end's sums are 32-bit: a line near the edge of the map does not
    // wrap around to the other side.
    const int32_t endX = int32_t{node.x} + node.dx;
    const int32_t endY = int32_t{node.y} + node.dy;
    const OverviewPlacement at = OverviewPlacementOf(level);
    const float sx1 = OverviewX(at, node.x);
    const float sy1 = OverviewY(at, node.y);
    const float sx2 = OverviewX(at, static_cast<float>(endX));
    const float sy2 = OverviewY(at, static_cast<float>(endY));

    const int pen = PenIndexForDepth(depth);
    SelectObject(level->dc, side == 0 ? level->wallPens[pen] : level->dottedPens[pen]);
    const char* const label = DepthLabel(depth);
    RECT labelRect = {TruncateToInt32(sx1), TruncateToInt32(sy1 - 25), TruncateToInt32(sx1 + 200),
                      TruncateToInt32(sy1)};
    DrawTextA(level->dc, label, -1, &labelRect, 0);
    MoveToEx(level->dc, TruncateToInt32(sx1), TruncateToInt32(sy1), NULL);
    LineTo(level->dc, TruncateToInt32(sx2), TruncateToInt32(sy2));
}
