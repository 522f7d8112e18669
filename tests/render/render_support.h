// What the renderer's tests share: a memory surface whose drawing calls can
// be traced and whose pixels can be read, pens whose colours name them, and
// small maps built from records.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "render/windows_api.h"
#include "wad/level_view.h"

// A bitmap of width x height in a memory device context, as a paint would
// make it; also sets clientWidth and clientHeight to its size.
class TestSurface {
public:
    TestSurface(int width, int height);
    ~TestSurface();
    TestSurface(const TestSurface&) = delete;
    TestSurface& operator=(const TestSurface&) = delete;

    HDC dc() const { return dc_; }

    // The drawing calls that draw makes, one trace line each.
    std::vector<std::string> Trace(const std::function<void()>& draw);

    // The colour at (x, y) as a COLORREF.
    COLORREF Pixel(int x, int y) const;

private:
    int width_;
    int height_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ previousBitmap_;
};

// The trace line of selecting a pen.
std::string PenLine(const char* style, int width, COLORREF colour);

// Pens whose colours tell which they are: wall pen i is solid, width 2,
// colour 0x010000 + i; dotted pen i is dotted, width 1, 0x020000 + i; the
// seg pen is solid, width 3, blue; the thing pen solid, width 0, red.
void InstallMarkedPens(LevelView* level);
// Deselects them from surface first: a selected pen cannot be deleted.
void DeleteMarkedPens(LevelView* level, HDC surface);
std::string WallPenLine(int index);
std::string DottedPenLine(int index);
extern const std::string kSegPenLine;

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

// A node with the given partition and children, and boxes that hold
// nothing near the origin unless given.
MapNode Node(int x, int y, int dx, int dy, uint16_t right, uint16_t left);

// Sets the view globals and the drawing state a test starts from: player at
// (0, 0) facing angle 0, nothing counted, outline mode, unzoomed; scale 10
// and offsets 0 (the identity transform), maxDepth 100, maxDraw 250.
void ResetView(LevelView* level);

// A fixture with a surface of the given size to draw on, the view reset,
// marked pens installed and the level drawing into the surface.
class RenderTest : public testing::Test {
protected:
    RenderTest(int width, int height) : surface(width, height) {}
    void SetUp() override {
        ResetView(&level);
        InstallMarkedPens(&level);
        level.dc = surface.dc();
    }
    void TearDown() override { DeleteMarkedPens(&level, surface.dc()); }

    LevelView level{};
    TestSurface surface;
};

// Lines of `lines` that begin with `prefix`.
std::vector<std::string> Matching(const std::vector<std::string>& lines, const std::string& prefix);
