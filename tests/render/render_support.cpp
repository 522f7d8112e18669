#include "tests/render/render_support.h"

#include <cstdio>

std::string PenLine(const char* style, int width, COLORREF colour) {
    char line[64];
    snprintf(line, sizeof line, "SelectObject pen %s %d 0x%08X", style, width, colour);
    return line;
}

void InstallMarkedPens(LevelView* level) {
    for (int i = 0; i < kRandomPenCount; i++) {
        level->wallPens[i] = CreatePen(PS_SOLID, 2, 0x010000 + i);
        level->dottedPens[i] = CreatePen(PS_DOT, 1, 0x020000 + i);
    }
    level->segPen = CreatePen(PS_SOLID, 3, 0xFF0000);
    level->thingPen = CreatePen(PS_SOLID, 0, 0x0000FF);
}

void DeleteMarkedPens(LevelView* level, HDC surface) {
    SelectObject(surface, GetStockObject(BLACK_PEN));
    for (int i = 0; i < kRandomPenCount; i++) {
        DeleteObject(level->wallPens[i]);
        DeleteObject(level->dottedPens[i]);
    }
    DeleteObject(level->segPen);
    DeleteObject(level->thingPen);
}

template <typename Record>
static void Point(const std::vector<Record>& records, const Record** table, int32_t* count) {
    *table = records.data();
    *count = static_cast<int32_t>(records.size());
}

void TestMap::Attach(LevelView* level) const {
    Point(vertexes, &level->vertexes, &level->numVertexes);
    Point(linedefs, &level->linedefs, &level->numLinedefs);
    Point(things, &level->things, &level->numThings);
    Point(sidedefs, &level->sidedefs, &level->numSidedefs);
    Point(sectors, &level->sectors, &level->numSectors);
    Point(segs, &level->segs, &level->numSegs);
    Point(subsectors, &level->subsectors, &level->numSubsectors);
    Point(nodes, &level->nodes, &level->numNodes);
}

MapNode Node(int x, int y, int dx, int dy, uint16_t right, uint16_t left) {
    MapNode node{};
    node.x = static_cast<int16_t>(x);
    node.y = static_cast<int16_t>(y);
    node.dx = static_cast<int16_t>(dx);
    node.dy = static_cast<int16_t>(dy);
    for (auto& box : node.bbox) {
        box[0] = box[3] = 30001;
        box[1] = box[2] = 30000;
    }
    node.children[0] = right;
    node.children[1] = left;
    return node;
}

void RenderTest::SetUp() {
    playerX = playerY = playerAngle = 0;
    drawCount = 0;
    fillWalls = zoomedProjection = false;
    level.scale = 10;
    level.offsetX = level.offsetY = 0;
    level.maxDepth = 100;
    level.maxDraw = 250;
    level.drawAllNodes = 0;
    InstallMarkedPens(&level);
    level.dc = surface.dc;
    clientWidth = surface.width;
    clientHeight = surface.height;
}

std::vector<std::string> Matching(const std::vector<std::string>& lines,
                                  const std::string& prefix) {
    std::vector<std::string> found;
    for (const auto& line : lines) {
        if (line.starts_with(prefix)) found.push_back(line);
    }
    return found;
}
