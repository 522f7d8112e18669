// Draws whole 1920 x 1080 frames of every map of a WAD at many player
// positions and angles, in both wall styles and both projections, and prints
// the slowest frame and where it stood. Under the sanitizers any finding
// ends the run.
//
//   render_frame_sweep [--positions N] [--wad PATH]

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <random>

#include "render/overview.h"
#include "render/pen_palette.h"
#include "tests/render/sweep_positions.h"
#include "wad/wad_archive.h"

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

__time64_t FixedClock(__time64_t* result) {
    if (result != nullptr) *result = 0;
    return 0;
}

// One paint: a fresh bitmap in a fresh memory surface, drawn whole. Timed
// in processor time, so that other work on the machine does not count.
double DrawFrameSeconds() {
    const std::clock_t start = std::clock();
    HDC surface = CreateCompatibleDC(NULL);
    HBITMAP bitmap = CreateCompatibleBitmap(surface, kWidth, kHeight);
    HGDIOBJ previous = SelectObject(surface, bitmap);
    DrawOverview(surface, &levelView);
    SelectObject(surface, previous);
    DeleteDC(surface);
    DeleteObject(bitmap);
    return static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
}

struct Slowest {
    double seconds = 0;
    int map = 0;
    SweepPosition position;
    bool fill = false;
    bool zoomed = false;
    uint8_t allNodes = 0;
};

}  // namespace

int main(int argc, char** argv) {
    int positions = 300;
    wadPath = VELLUMTARN_FREEDOOM_WAD;
    for (int i = 1; i < argc; i++) {
        if (strcmp(argv[i], "--positions") == 0 && i + 1 < argc) {
            positions = atoi(argv[++i]);
        } else if (strcmp(argv[i], "--wad") == 0 && i + 1 < argc) {
            wadPath = argv[++i];
        } else {
            fprintf(stderr, "usage: %s [--positions N] [--wad PATH]\n", argv[0]);
            return 2;
        }
    }

    penClock = FixedClock;
    CreatePenPalette(&levelView);
    clientWidth = kWidth;
    clientHeight = kHeight;
    levelView.maxDepth = 250;
    levelView.maxDraw = 100000;
    std::mt19937 random(20261206);
    Slowest slowest;
    double total = 0;
    int frames = 0;
    printf("map   frames  mean ms  max ms  most subsectors   (processor time)\n");
    for (mapIndex = 0; mapIndex < kMapCount; mapIndex++) {
        LoadLevel(&levelView);
        if (levelView.numVertexes == 0 || levelView.numNodes == 0) {
            fprintf(stderr, "%s: no map in %s\n", mapTable[mapIndex].name, wadPath);
            return 1;
        }
        levelView.scale = mapViewDefaults[mapIndex].scale;
        levelView.offsetX = mapViewDefaults[mapIndex].offsetX;
        levelView.offsetY = mapViewDefaults[mapIndex].offsetY;
        double mapTotal = 0;
        double mapMax = 0;
        int mapFrames = 0;
        int32_t mostSubsectors = 0;
        for (int i = 0; i < positions; i++) {
            const SweepPosition position = PickPosition(levelView, i, random);
            playerX = position.x;
            playerY = position.y;
            playerAngle = position.angle;
            levelView.drawAllNodes = i % 2 == 0 ? 1 : 0;
            for (int mode = 0; mode < 4; mode++) {
                fillWalls = (mode & 1) != 0;
                zoomedProjection = (mode & 2) != 0;
                const double seconds = DrawFrameSeconds();
                mapTotal += seconds;
                mapMax = std::max(mapMax, seconds);
                mapFrames++;
                mostSubsectors = std::max(mostSubsectors, drawCount);
                if (seconds > slowest.seconds) {
                    slowest = {seconds, mapIndex, position, fillWalls, zoomedProjection,
                               levelView.drawAllNodes};
                }
            }
        }
        printf("%s %7d %8.2f %7.2f  %d\n", mapTable[mapIndex].name, mapFrames,
               1000 * mapTotal / mapFrames, 1000 * mapMax, mostSubsectors);
        total += mapTotal;
        frames += mapFrames;
    }
    printf("all  %7d %8.2f\n", frames, 1000 * total / frames);
    printf("slowest frame: %.2f ms on %s at (%.9g, %.9g) angle %.9g, %s, %s, %s, %s\n",
           1000 * slowest.seconds, mapTable[slowest.map].name, slowest.position.x,
           slowest.position.y, slowest.position.angle, slowest.position.where.c_str(),
           slowest.fill ? "filled" : "outline", slowest.zoomed ? "zoomed" : "unzoomed",
           slowest.allNodes ? "all nodes" : "player's side");
    return 0;
}
