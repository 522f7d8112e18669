// The viewer's shared state: the loaded level with the drawing state, the
// process-wide view variables, and the built-in table of maps.
#pragma once

#include <cstdint>

#include "platform/windows_api.h"
#include "wad/map_records.h"

constexpr int kRandomPenCount = 255;

struct LevelView {
    // The level half: pointers into the file image of the last load.
    const MapVertex* vertexes;
    int32_t numVertexes;
    const MapLinedef* linedefs;
    int32_t numLinedefs;
    const MapThing* things;
    int32_t numThings;
    const MapSidedef* sidedefs;
    int32_t numSidedefs;
    const MapSector* sectors;
    int32_t numSectors;
    const MapSeg* segs;
    int32_t numSegs;
    const MapSubsector* subsectors;
    int32_t numSubsectors;
    const MapNode* nodes;
    int32_t numNodes;
    // The drawing state.
    HDC dc;
    HPEN thingPen;
    HPEN wallPens[kRandomPenCount];
    HPEN dottedPens[kRandomPenCount];
    HPEN segPen;
    float scale;
    float offsetX;
    float offsetY;
    int32_t maxDepth;
    int32_t maxDraw;
    HBRUSH hatchBrush;
    uint8_t drawAllNodes;
};

struct MapEntry {
    char name[80];
};

struct MapViewDefaults {
    float offsetX;
    float offsetY;
    float scale;
};

constexpr int kMapCount = 9;
extern const MapEntry mapTable[kMapCount];
extern const MapViewDefaults mapViewDefaults[kMapCount];

extern LevelView levelView;

// The view globals.
extern float playerX;
extern float playerY;
extern float playerAngle;
extern int32_t clientWidth;
extern int32_t clientHeight;
extern int32_t mapIndex;
extern int32_t drawCount;
extern bool fillWalls;
extern bool zoomedProjection;
extern char statusText[512];
extern uint32_t* frameStore;
extern uint32_t* textureStore;
extern uint32_t swapStyle;
extern int32_t restoreWidth;
extern int32_t restoreHeight;

// Fills the level half of the record for the map that mapIndex names,
// reading the WAD file anew; the previous load's image is released once
// nothing points into it.
void LoadLevel(LevelView* level);

// LoadLevel from an image the caller made (CopyWadImage) instead of the
// file. The caller keeps the image and must not free it while the level is
// in use.
void LoadLevelFromImage(LevelView* level, uint8_t* image);
