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
#include <string>

#include "render/overview.h"
#include "render/overview_transform.h"
#include "render/pen_palette.h"
#include "wad/wad_archive.h"

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr float kPi = 3.14159265f;

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

struct Position {
    float x = 0, y = 0, angle = 0;
    std::string where;  // how it was chosen, for the report
};

float Uniform(std::mt19937& random, float low, float high) {
    return std::uniform_real_distribution<float>(low, high)(random);
}

int Index(std::mt19937& random, int count) {
    return std::uniform_int_distribution<int>(0, count - 1)(random);
}

// Map coordinates as drawn on the surface.
float SurfaceX(float x) {
    return OverviewCoordinate(x, levelView.scale, levelView.offsetX * levelView.scale);
}
float SurfaceY(float y) {
    return OverviewCoordinate(y, levelView.scale, levelView.offsetY * levelView.scale);
}

// Anywhere in the box from (left, top) to (right, bottom) or up to a
// quarter of its size beyond each edge.
void Around(float left, float top, float right, float bottom, std::mt19937& random,
            Position* position) {
    const float marginX = (right - left) / 4, marginY = (bottom - top) / 4;
    position->x = Uniform(random, left - marginX, right + marginX);
    position->y = Uniform(random, top - marginY, bottom + marginY);
}

// Position i of the loaded map, in turn: on a vertex and on a point of a
// partition line, both as map coordinates (where the walk places the
// player) and as surface coordinates (where the walls are seen from, so a
// seg end lies at or next to the player), and anywhere in and around the
// map in either space. Every fourth angle is a multiple of a right angle.
Position PickPosition(int i, std::mt19937& random) {
    const MapVertex& vertex = levelView.vertexes[Index(random, levelView.numVertexes)];
    const int nodeIndex = Index(random, levelView.numNodes);
    const MapNode& node = levelView.nodes[nodeIndex];
    const float along = static_cast<float>(Index(random, 3)) / 2;  // start, middle or end
    const float lineX = node.x + node.dx * along, lineY = node.y + node.dy * along;
    float left = 32767, top = 32767, right = -32768, bottom = -32768;
    for (int32_t k = 0; k < levelView.numVertexes; k++) {
        left = std::min<float>(left, levelView.vertexes[k].x);
        right = std::max<float>(right, levelView.vertexes[k].x);
        top = std::min<float>(top, levelView.vertexes[k].y);
        bottom = std::max<float>(bottom, levelView.vertexes[k].y);
    }
    const std::string ofNode = " of node " + std::to_string(nodeIndex);
    Position position;
    switch (i % 7) {
        case 0: position = {float(vertex.x), float(vertex.y), 0, "map vertex"}; break;
        case 1: position = {SurfaceX(vertex.x), SurfaceY(vertex.y), 0, "seg end"}; break;
        // A thousandth away: the end projects millions of pixels off.
        case 2: position = {SurfaceX(vertex.x) + 0.001f, SurfaceY(vertex.y), 0, "beside a seg end"}; break;
        case 3: position = {lineX, lineY, 0, "on the partition" + ofNode}; break;
        case 4: position = {SurfaceX(lineX), SurfaceY(lineY), 0, "on the drawn partition" + ofNode}; break;
        case 5:
            Around(left, top, right, bottom, random, &position);
            position.where = "in or around the map";
            break;
        default:
            Around(SurfaceX(left), SurfaceY(top), SurfaceX(right), SurfaceY(bottom), random, &position);
            position.where = "in or around the drawn map";
    }
    position.angle = i % 4 == 0 ? static_cast<float>(Index(random, 4)) * (kPi / 2)
                                : Uniform(random, 0, 2 * kPi);
    return position;
}

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

    penClock = [](__time64_t* result) -> __time64_t { return result ? *result = 0 : 0; };
    CreatePenPalette(&levelView);
    clientWidth = kWidth;
    clientHeight = kHeight;
    levelView.maxDepth = 250;
    levelView.maxDraw = 100000;
    std::mt19937 random(20261206);
    double slowest = 0, total = 0;
    std::string slowestFrame;
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
        double mapTotal = 0, mapMax = 0;
        int mapFrames = 0;
        int32_t mostSubsectors = 0;
        for (int i = 0; i < positions; i++) {
            const Position position = PickPosition(i, random);
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
                if (seconds <= slowest) continue;
                slowest = seconds;
                char text[256];
                snprintf(text, sizeof text, "%s at (%.9g, %.9g) angle %.9g, %s, %s, %s, %s",
                         mapTable[mapIndex].name, position.x, position.y, position.angle,
                         position.where.c_str(), fillWalls ? "filled" : "outline",
                         zoomedProjection ? "zoomed" : "unzoomed",
                         levelView.drawAllNodes ? "all nodes" : "player's side");
                slowestFrame = text;
            }
        }
        printf("%s %7d %8.2f %7.2f  %d\n", mapTable[mapIndex].name, mapFrames,
               1000 * mapTotal / mapFrames, 1000 * mapMax, mostSubsectors);
        total += mapTotal;
        frames += mapFrames;
    }
    printf("all  %7d %8.2f\n", frames, 1000 * total / frames);
    printf("slowest frame: %.2f ms on %s\n", 1000 * slowest, slowestFrame.c_str());
    return 0;
}
