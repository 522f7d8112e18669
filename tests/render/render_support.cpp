#include "tests/render/render_support.h"

#include <unistd.h>

#include <cstdio>
#include <fstream>

#include "platform/drawing_trace.h"

TestSurface::TestSurface(int width, int height)
    : dc_(CreateCompatibleDC(NULL)),
      bitmap_(CreateCompatibleBitmap(dc_, width, height)),
      previousBitmap_(SelectObject(dc_, bitmap_)) {
    // White all over, border included, with the fresh surface's brush.
    SelectObject(dc_, GetStockObject(NULL_PEN));
    Rectangle(dc_, -1, -1, width + 1, height + 1);
    SelectObject(dc_, GetStockObject(BLACK_PEN));
    clientWidth = width;
    clientHeight = height;
}

TestSurface::~TestSurface() {
    SelectObject(dc_, previousBitmap_);
    DeleteDC(dc_);
    DeleteObject(bitmap_);
}

std::vector<std::string> TestSurface::Trace(const std::function<void()>& draw) {
    // Test cases run as processes side by side: one trace file per process.
    const std::string path =
        testing::TempDir() + "render_trace_" + std::to_string(getpid()) + ".txt";
    EXPECT_TRUE(StartDrawingTrace(path.c_str()));
    draw();
    StopDrawingTrace();
    std::vector<std::string> lines;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    std::remove(path.c_str());
    return lines;
}

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
    level.dc = surface.dc();
}

std::vector<std::string> Matching(const std::vector<std::string>& lines,
                                  const std::string& prefix) {
    std::vector<std::string> found;
    for (const auto& line : lines) {
        if (line.starts_with(prefix)) found.push_back(line);
    }
    return found;
}
