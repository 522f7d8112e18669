#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <random>
#include <string>

#include "app/view_keys.h"
#include "render/overview.h"
#include "render/overview_transform.h"
#include "render/pen_palette.h"
#include "tools/frame/commands.h"
#include "tools/frame/option_values.h"
#include "tools/frame/viewer_driver.h"
#include "wad/wad_archive.h"

namespace {

const char kSweepHelp[] =
    "usage: vellumtarn-frame sweep [--positions N] [--size WxH] [--wad PATH]\n"
    "\n"
    "Draws whole frames of E1M1 to E1M9 from N places on each map (default\n"
    "300), each in both wall styles and both projections, with MaxDepth 250\n"
    "and MaxDraw 100000, and prints per map the mean and the slowest frame in\n"
    "processor time, where the slowest stood, and the most subsectors a frame\n"
    "drew. The places are vertices, the ends and middles of partition lines,\n"
    "and anywhere in or a quarter beyond the map's box; half of them are taken\n"
    "in surface coordinates, from where walls are seen, so that seg ends lie\n"
    "at the player or a thousandth beside it.\n"
    "\n"
    "  --positions N  places per map, 1 to 100000 (default 300)\n"
    "  --size WxH     the frame's size in pixels (default 1920x1080)\n"
    "  --wad PATH     the WAD file (default DOOM1.WAD in the current folder)\n"
    "\n"
    "Exits with 1 when a map has no vertices or no nodes.\n";

constexpr float kPi = 3.14159265f;
constexpr const char* kModeNames[] = {"outline", "fill", "outline zoomed", "fill zoomed"};

struct SweepOptions {
    long long positions = 300;
    int width = 1920;
    int height = 1080;
    bool helpWanted = false;
};

// One paint: a fresh bitmap in a fresh memory surface, drawn whole.
double DrawFrameMs(int width, int height) {
    const std::clock_t start = std::clock();
    HDC surface = CreateCompatibleDC(NULL);
    HBITMAP bitmap = CreateCompatibleBitmap(surface, width, height);
    HGDIOBJ previous = SelectObject(surface, bitmap);
    DrawOverview(surface, &levelView);
    SelectObject(surface, previous);
    DeleteDC(surface);
    DeleteObject(bitmap);
    return 1000.0 * double(std::clock() - start) / CLOCKS_PER_SEC;
}

// Place i stands, in turn, on a vertex, on the start, middle or end of a
// partition line, or anywhere in or a quarter beyond the map's box; every
// other one in surface coordinates, and every fifth a thousandth beside
// that, where a seg end projects millions of pixels off. Every fourth angle
// is a right angle.
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
        const OverviewPlacement at = OverviewPlacementOf(&levelView);
        x = OverviewX(at, x);
        y = OverviewY(at, y);
    }
    playerX = x + (i % 5 == 0 ? 0.001f : 0);
    playerY = y;
    playerAngle = i % 4 == 0 ? static_cast<float>(index(4)) * (kPi / 2) : uniform(0, 2 * kPi);
}

bool ParseSweepOptions(int argc, char** argv, SweepOptions& options, std::string& error) {
    const auto take = [&](const char* name, const char* value, std::string&) {
        if (strcmp(name, "--size") == 0) return ParseSize(value, options.width, options.height);
        return ParseWhole(value, 1, 100000, options.positions);
    };
    return WalkOptions(argc, argv, {"--positions", "--size"}, options.helpWanted, take, error);
}

}  // namespace

int RunSweepCommand(int argc, char** argv) {
    SweepOptions options;
    std::string error;
    const bool parsed = ParseSweepOptions(argc, argv, options, error);
    const int opening = OpeningExitCode("sweep", parsed, error, options.helpWanted,
                                        [](FILE* out) { fputs(kSweepHelp, out); });
    if (opening >= 0) return opening;
    FixPenClock(0);
    CreatePenPalette(&levelView);
    clientWidth = options.width;
    clientHeight = options.height;
    levelView.maxDepth = 250;
    levelView.maxDraw = 100000;
    std::mt19937 random(20261206);
    printf("map   frames  mean ms  max ms  most subsectors  slowest at (processor time)\n");
    for (mapIndex = 0; mapIndex < kMapCount; mapIndex++) {
        LoadLevel(&levelView);
        if (levelView.numVertexes == 0 || levelView.numNodes == 0) {
            fprintf(stderr, "%s: no map in %s\n", mapTable[mapIndex].name, wadPath);
            return 1;
        }
        ApplyMapViewDefaults(&levelView);
        double total = 0, slowest = -1;
        int32_t mostSubsectors = 0;
        char where[96] = "";
        for (int i = 0; i < options.positions; i++) {
            PlacePlayer(i, random);
            levelView.drawAllNodes = i % 2 == 0 ? 1 : 0;
            for (int mode = 0; mode < 4; mode++) {
                fillWalls = (mode & 1) != 0;
                zoomedProjection = (mode & 2) != 0;
                const double ms = DrawFrameMs(options.width, options.height);
                total += ms;
                mostSubsectors = std::max(mostSubsectors, drawCount);
                if (ms <= slowest) continue;
                slowest = ms;
                snprintf(where, sizeof where, "(%.1f, %.1f) angle %.3f, %s", playerX, playerY,
                         playerAngle, kModeNames[mode]);
            }
        }
        printf("%s %7lld %8.2f %7.2f  %15d  %s\n", mapTable[mapIndex].name, 4 * options.positions,
               total / double(4 * options.positions), slowest, mostSubsectors, where);
    }
    return 0;
}
