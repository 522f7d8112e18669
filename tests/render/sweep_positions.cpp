#include "tests/render/sweep_positions.h"

#include <algorithm>
#include <cstdio>

#include "render/overview_transform.h"

namespace {

constexpr float kPi = 3.14159265f;

struct Box {
    float left, top, right, bottom;
};

float Uniform(std::mt19937& random, float low, float high) {
    return std::uniform_real_distribution<float>(low, high)(random);
}

int Index(std::mt19937& random, int count) {
    return std::uniform_int_distribution<int>(0, count - 1)(random);
}

float SurfaceX(const LevelView& level, float x) {
    return OverviewCoordinate(x, level.scale, level.offsetX * level.scale);
}

float SurfaceY(const LevelView& level, float y) {
    return OverviewCoordinate(y, level.scale, level.offsetY * level.scale);
}

Box MapBox(const LevelView& level) {
    Box box = {32767, 32767, -32768, -32768};
    for (int32_t i = 0; i < level.numVertexes; i++) {
        box.left = std::min<float>(box.left, level.vertexes[i].x);
        box.right = std::max<float>(box.right, level.vertexes[i].x);
        box.top = std::min<float>(box.top, level.vertexes[i].y);
        box.bottom = std::max<float>(box.bottom, level.vertexes[i].y);
    }
    return box;
}

// A quarter of the box's size beyond each of its edges.
void Around(const Box& box, std::mt19937& random, float* x, float* y) {
    const float marginX = (box.right - box.left) / 4;
    const float marginY = (box.bottom - box.top) / 4;
    *x = Uniform(random, box.left - marginX, box.right + marginX);
    *y = Uniform(random, box.top - marginY, box.bottom + marginY);
}

std::string Describe(const char* what, int index) {
    char text[64];
    snprintf(text, sizeof text, "%s %d", what, index);
    return text;
}

}  // namespace

SweepPosition PickPosition(const LevelView& level, int i, std::mt19937& random) {
    SweepPosition position{};
    const MapVertex& vertex = level.vertexes[Index(random, level.numVertexes)];
    const int nodeIndex = Index(random, level.numNodes);
    const MapNode& node = level.nodes[nodeIndex];
    const float along = static_cast<float>(Index(random, 3)) / 2;  // start, middle or end
    const float lineX = node.x + node.dx * along;
    const float lineY = node.y + node.dy * along;
    const Box box = MapBox(level);
    switch (i % 7) {
        case 0:
            position = {static_cast<float>(vertex.x), static_cast<float>(vertex.y), 0, "map vertex"};
            break;
        case 1:
            position = {SurfaceX(level, vertex.x), SurfaceY(level, vertex.y), 0, "seg end"};
            break;
        case 2:
            // A thousandth away: the end projects millions of pixels off.
            position = {SurfaceX(level, vertex.x) + 0.001f, SurfaceY(level, vertex.y), 0,
                        "beside a seg end"};
            break;
        case 3:
            position = {lineX, lineY, 0, Describe("on the partition of node", nodeIndex)};
            break;
        case 4:
            position = {SurfaceX(level, lineX), SurfaceY(level, lineY), 0,
                        Describe("on the drawn partition of node", nodeIndex)};
            break;
        case 5:
            Around(box, random, &position.x, &position.y);
            position.where = "in or around the map";
            break;
        default: {
            const Box surface = {SurfaceX(level, box.left), SurfaceY(level, box.top),
                                 SurfaceX(level, box.right), SurfaceY(level, box.bottom)};
            Around(surface, random, &position.x, &position.y);
            position.where = "in or around the drawn map";
        }
    }
    position.angle = i % 4 == 0 ? static_cast<float>(Index(random, 4)) * (kPi / 2)
                                : Uniform(random, 0, 2 * kPi);
    return position;
}
