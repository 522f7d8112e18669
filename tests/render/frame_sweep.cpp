// Draws whole 1920 x 1080 frames of every map of Freedoom's first episode
// from many places, in both wall styles and both projections, and prints
// each map's mean and slowest frame in processor time. Under the sanitizers
// any finding ends the run.
//
//   render_frame_sweep [--positions N]

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <random>

#include "render/overview.h"
#include "render/overview_transform.h"
#include "render/pen_palette.h"
#include "wad/wad_archive.h"

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr float kPi = 3.14159265f;

// One paint: a fresh bitmap in a fresh memory surface, drawn whole.
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

// Position i stands, in turn, on a vertex, on the start, middle or end of a
// partition line, or anywhere in or a quarter beyond the map's box; every
// other one in surface coordinates, where walls are seen from, so that a seg
// end lies at the player, and every fifth a thousandth beside it, where the
// end projects millions of pixels off. Every fourth angle is a right angle.
void PlacePlayer(int i, std::mt19937& random) {
    auto uniform = [&](float low, float high) {
        return std::uniform_real_distribution<float>(low, high)(random);
    };
    auto index = [&](int count) {
        return std::uniform_int_distribution<int>(0, count - 1)(random);
    };
    const MapVertex& vertex = levelView.vertexes[index(levelView.numVertexes)];
    const MapNode& node = levelView.nodes[index(levelView.numNodes)];
    const float along = static_cast<float>(index(3)) / 2;
    float x = vertex.x, y = vertex.y;
    if (i % 3 == 1) {
        x = node.x + node.dx * along;
        y = node.y + node.dy * along;
    } else if (i % 3 == 2) {
        const MapVertex *first = levelView.vertexes, *end = first + levelView.numVertexes;
        const auto [left, right] = std::minmax_element(
            first, end, [](const MapVertex& a, const MapVertex& b) { return a.x < b.x; });
        const auto [top, bottom] = std::minmax_element(
            first, end, [](const MapVertex& a, const MapVertex& b) { return a.y < b.y; });
        const float marginX = (right->x - left->x) / 4.0f, marginY = (bottom->y - top->y) / 4.0f;
        x = uniform(left->x - marginX, right->x + marginX);
        y = uniform(top->y - marginY, bottom->y + marginY);
    }
    if (i % 2 == 1) {
        x = OverviewCoordinate(x, levelView.scale, levelView.offsetX * levelView.scale);
        y = OverviewCoordinate(y, levelView.scale, levelView.offsetY * levelView.scale);
    }
    playerX = x + (i % 5 == 0 ? 0.001f : 0);
    playerY = y;
    playerAngle = i % 4 == 0 ? static_cast<float>(index(4)) * (kPi / 2) : uniform(0, 2 * kPi);
}

}  // namespace

int main(int argc, char** argv) {
    const int positions = argc == 3 ? atoi(argv[2]) : 300;
    wadPath = VELLUMTARN_FREEDOOM_WAD;
    penClock = [](__time64_t* result) -> __time64_t { return result ? *result = 0 : 0; };
    CreatePenPalette(&levelView);
    clientWidth = kWidth;
    clientHeight = kHeight;
    levelView.maxDepth = 250;
    levelView.maxDraw = 100000;
    std::mt19937 random(20261206);
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
        double total = 0, slowest = 0;
        int32_t mostSubsectors = 0;
        for (int i = 0; i < positions; i++) {
            PlacePlayer(i, random);
            levelView.drawAllNodes = i % 2 == 0 ? 1 : 0;
            for (int mode = 0; mode < 4; mode++) {
                fillWalls = (mode & 1) != 0;
                zoomedProjection = (mode & 2) != 0;
                const double seconds = DrawFrameSeconds();
                total += seconds;
                slowest = std::max(slowest, seconds);
                mostSubsectors = std::max(mostSubsectors, drawCount);
            }
        }
        printf("%s %7d %8.2f %7.2f  %d\n", mapTable[mapIndex].name, 4 * positions,
               1000 * total / (4 * positions), 1000 * slowest, mostSubsectors);
    }
    return 0;
}
