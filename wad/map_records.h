// The Doom map lump records as they lie in the file: little-endian, packed,
// read in place inside the file image at whatever alignment the file gives.
#pragma once

#include <bit>
#include <cstdint>

static_assert(std::endian::native == std::endian::little,
              "map records are read in place and are little-endian");

#pragma pack(push, 1)

struct MapVertex {
    int16_t x;
    int16_t y;
};

struct MapLinedef {
    int16_t startVertex;
    int16_t endVertex;
    int16_t flags;
    int16_t special;
    int16_t tag;
    int16_t sideNum[2];
};

struct MapThing {
    int16_t x;
    int16_t y;
    int16_t angle;
    int16_t type;
    int16_t options;
};

struct MapSidedef {
    int16_t textureOffset;
    int16_t rowOffset;
    char topTexture[8];
    char bottomTexture[8];
    char midTexture[8];
    int16_t sector;
};

struct MapSector {
    int16_t floorHeight;
    int16_t ceilingHeight;
    char floorPic[8];
    char ceilingPic[8];
    int16_t lightLevel;
    int16_t special;
    int16_t tag;
};

struct MapSeg {
    int16_t startVertex;
    int16_t endVertex;
    int16_t angle;
    int16_t linedef;
    int16_t side;
    int16_t offset;
};

struct MapSubsector {
    int16_t segCount;
    int16_t firstSeg;
};

struct MapNode {
    int16_t x;
    int16_t y;
    int16_t dx;
    int16_t dy;
    int16_t bbox[2][4];  // top, bottom, left, right
    uint16_t children[2];
};

#pragma pack(pop)

static_assert(sizeof(MapVertex) == 4);
static_assert(sizeof(MapLinedef) == 14);
static_assert(sizeof(MapThing) == 10);
static_assert(sizeof(MapSidedef) == 30);
static_assert(sizeof(MapSector) == 26);
static_assert(sizeof(MapSeg) == 12);
static_assert(sizeof(MapSubsector) == 4);
static_assert(sizeof(MapNode) == 28);
static_assert(alignof(MapNode) == 1, "records must be readable at any alignment");
