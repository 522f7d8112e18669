// What the renderer's tests share: pens whose colours name them in a
// trace, and small maps built from records.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tests/platform/gdi/gdi_test_surface.h"
#include "wad/level_view.h"

// The trace line of selecting a pen.
std::string PenLine(const char* style, int width, COLORREF colour);

// Wall pen i is solid, width 2, colour 0x010000 + i; dotted pen i is
// dotted, width 1, 0x020000 + i; the seg pen solid, 3, blue; the thing pen
// solid, 0, red. Deleting deselects them from surface first.
void InstallMarkedPens(LevelView* level);
void DeleteMarkedPens(LevelView* level, HDC surface);
inline std::string WallPenLine(int i) {
    return PenLine("solid", 2, 0x010000 + i);
}
inline std::string DottedPenLine(int i) {
    return PenLine("dot", 1, 0x020000 + i);
}
inline const std::string kSegPenLine = PenLine("solid", 3, 0xFF0000);

// A map held in vectors; Attach points the level half of a LevelView at it.
struct TestMap {
    std::vector<MapVertex> vertexes;
    std::vector<MapLinedef> linedefs;
    std::vector<MapThing> things;
    std::vector<MapSidedef> sidedefs;
    std::vector<MapSector> sectors;
    std::vector<MapSeg> segs;
    std::vector<MapSubsector> subsectors;
    std::vector<MapNode> nodes;

    void Attach(LevelView* level) const;
};

// A node with the given partition and children, and boxes far from the origin.
MapNode Node(int x, int y, int dx, int dy, uint16_t right, uint16_t left);

// A white surface to draw on, the client area its size, marked pens, and
// the view a test starts from:
// player at (0, 0) facing angle 0, nothing counted, outline, unzoomed;
// scale 10 and offsets 0 (the identity), maxDepth 100, maxDraw 250.
class RenderTest : public testing::Test {
protected:
    RenderTest(int width, int height) : surface(width, height) {}
    void SetUp() override;
    void TearDown() override { DeleteMarkedPens(&level, surface.dc); }

    LevelView level{};
    TestSurface surface;
};

// Lines of `lines` that begin with `prefix`.
std::vector<std::string> Matching(const std::vector<std::string>& lines, const std::string& prefix);
