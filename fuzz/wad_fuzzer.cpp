// The bytes are DOOM1.WAD: every map of the table is loaded and drawn as
// whole frames, from a few places, in both wall styles, with the start-up
// limits and with limits raised as far as F2 and F4 can take them.
#include <cstddef>
#include <cstdint>
#include <string>

#include "app/view_keys.h"
#include "fuzz/scratch_folder.h"
#include "platform/windows_api.h"
#include "render/overview.h"
#include "render/pen_palette.h"
#include "wad/level_view.h"
#include "wad/wad_archive.h"

namespace {

// Small enough to keep runs fast, large enough that walls land on it.
constexpr int kSurfaceWidth = 160;
constexpr int kSurfaceHeight = 120;

struct Limits {
    int32_t maxDepth;
    int32_t maxDraw;
};

constexpr Limits kStartupLimits = {100, 250};
constexpr Limits kRaisedLimits = {1000000, 1000000};

struct Viewpoint {
    float x;
    float y;
    float angle;
};

__time64_t FixedClock(__time64_t* result) {
    if (result != nullptr) *result = 0;
    return 0;
}

HDC frameSurface;

// The memory surface a paint draws into, and one pen palette for every run:
// the pens only colour the lines, and creating them per run would cost more
// than the frames.
void PrepareDrawing() {
    penClock = FixedClock;
    clientWidth = kSurfaceWidth;
    clientHeight = kSurfaceHeight;
    frameSurface = CreateCompatibleDC(nullptr);
    SelectObject(frameSurface, CreateCompatibleBitmap(frameSurface, kSurfaceWidth, kSurfaceHeight));
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

void DrawFrames(const Viewpoint& point, const Limits& limits) {
    playerX = point.x;
    playerY = point.y;
    playerAngle = point.angle;
    levelView.maxDepth = limits.maxDepth;
    levelView.maxDraw = limits.maxDraw;
    for (bool fill : {false, true}) {
        fillWalls = fill;
        // The zoomed projection swaps with the style so both are reached.
        zoomedProjection = fill;
        DrawOverview(frameSurface, &levelView);
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    SilenceStandardOutput();
    static const std::string path = ScratchFolder() + "/DOOM1.WAD";
    wadPath = path.c_str();
    PrepareDrawing();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    WriteWholeFile(wadPath, data, size);
    levelView.drawAllNodes = 1;
    for (mapIndex = 0; mapIndex < kMapCount; ++mapIndex) {
        LoadLevel(&levelView);
        ApplyMapViewDefaults(&levelView);
        Viewpoint points[3];
        const int count = CollectViewpoints(levelView, points);
        for (int i = 0; i < count; ++i) {
            DrawFrames(points[i], kStartupLimits);
            DrawFrames(points[i], kRaisedLimits);
        }
    }
    return 0;
}
