// The bytes are DOOM1.WAD: every map of the table is loaded and drawn from a
// few places with raised limits but only the nodes around the player (F1);
// from the first place once with limits that cut the walk short, and from
// the first and the last place with every node and raised limits (F2), one
// in each wall style.
#include <fcntl.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "app/view_keys.h"
#include "platform/windows_api.h"
#include "render/overview.h"
#include "render/pen_palette.h"
#include "wad/level_view.h"
#include "wad/wad_archive.h"

namespace {

// Small enough to keep frames cheap, large enough that walls and the
// overview's lines at the maps' built-in scales land on it.
constexpr int kSurfaceWidth = 160;
constexpr int kSurfaceHeight = 120;

struct Limits {
    int32_t maxDepth, maxDraw, drawAllNodes;
};

// The cut is reached within a few nodes. The raised depth is past 50, where
// nodes take the deepest pen; the raised draw count bounds each frame's
// work on a damaged map with tens of thousands of subsectors.
constexpr Limits kCuttingLimits = {6, 12, 1};
constexpr Limits kRaisedNearLimits = {200, 4096, 0};
constexpr Limits kRaisedLimits = {200, 4096, 1};

struct Viewpoint {
    float x, y, angle;
};

HDC frameSurface;
HBITMAP frameBitmap;

// The memory surface a paint draws into, and one pen palette for every run:
// the pens only colour the lines, and creating them per run would cost more
// than the frames.
void PrepareDrawing() {
    penClock = [](__time64_t* result) -> __time64_t { return result ? *result = 0 : 0; };
    clientWidth = kSurfaceWidth;
    clientHeight = kSurfaceHeight;
    frameSurface = CreateCompatibleDC(nullptr);
    frameBitmap = CreateCompatibleBitmap(frameSurface, kSurfaceWidth, kSurfaceHeight);
    SelectObject(frameSurface, frameBitmap);
    CreatePenPalette(&levelView);
}

// The start position, a vertex of the map (walls meet right at the player)
// and the middle of its first linedef, facing different ways.
int CollectViewpoints(const LevelView& level, Viewpoint* points) {
    int count = 0;
    points[count++] = {50.0f, 50.0f, 0.0f};
    if (level.numVertexes > 0) {
        points[count++] = {float(level.vertexes[0].x), float(level.vertexes[0].y), 2.0f};
    }
    if (level.numVertexes > 1) {
        const MapVertex& a = level.vertexes[0];
        const MapVertex& b = level.vertexes[level.numVertexes - 1];
        points[count++] = {(a.x + b.x) / 2.0f, (a.y + b.y) / 2.0f, -1.3f};
    }
    return count;
}

bool LevelIsEmpty(const LevelView& level) {
    return level.numVertexes == 0 && level.numLinedefs == 0 && level.numThings == 0 &&
           level.numSidedefs == 0 && level.numSectors == 0 && level.numSegs == 0 &&
           level.numSubsectors == 0 && level.numNodes == 0;
}

// The overview's vertices, linedefs and things depend on neither the player
// nor the limits, and drawing them took two thirds of every frame: each map
// draws one whole frame, and its other frames only walk the tree from the
// player, as the whole frame does after the overview. The zoomed projection
// swaps with the style so that both are reached.
void DrawFrame(const Viewpoint& point, const Limits& limits, bool fill, bool whole = false) {
    playerX = point.x;
    playerY = point.y;
    playerAngle = point.angle;
    levelView.maxDepth = limits.maxDepth;
    levelView.maxDraw = limits.maxDraw;
    levelView.drawAllNodes = limits.drawAllNodes;
    fillWalls = zoomedProjection = fill;
    whole ? DrawOverview(frameSurface, &levelView) : DrawTreeWalk(frameSurface, &levelView);
    // Read as the viewer's copy to the window reads it: the fills held back
    // during the frame are painted here.
    uint32_t pixel = 0;
    GetBitmapBits(frameBitmap, sizeof pixel, &pixel);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // The loader writes a diagnostic line per failed lookup; thousands of
    // them a second would only slow the run.
    fflush(stdout);
    dup2(open("/dev/null", O_WRONLY), STDOUT_FILENO);
    PrepareDrawing();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    uint8_t* image = CopyWadImage(data, static_cast<uint32_t>(size));
    if (image == nullptr) return 0;
    bool emptyLevelDrawn = false;
    for (mapIndex = 0; mapIndex < kMapCount; ++mapIndex) {
        LoadLevelFromImage(&levelView, image);
        // A map with none of its lumps draws the same frames as any other,
        // so only the first such map of an input is drawn.
        if (LevelIsEmpty(levelView)) {
            if (emptyLevelDrawn) continue;
            emptyLevelDrawn = true;
        }
        ApplyMapViewDefaults(&levelView);
        Viewpoint points[3];
        const int count = CollectViewpoints(levelView, points);
        // The styles alternate from place to place; where the walk is cut
        // makes no difference to them.
        DrawFrame(points[0], kRaisedNearLimits, false, true);
        for (int i = 1; i < count; ++i) DrawFrame(points[i], kRaisedNearLimits, i % 2 != 0);
        DrawFrame(points[0], kCuttingLimits, true);
        DrawFrame(points[0], kRaisedLimits, false);
        DrawFrame(points[count - 1], kRaisedLimits, true);
    }
    FreeWadImage(image);
    return 0;
}
