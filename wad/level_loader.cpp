#include <cstddef>

#include "wad/level_view.h"
#include "wad/wad_archive.h"

namespace {

// The image the current level points into when the loader read it; released
// by the next load.
uint8_t* currentLevelImage;

template <typename Record>
void LoadLump(const char* mapName, const char* lumpName, uint8_t** image, const Record** records,
              int32_t* count) {
    uint32_t size = 0;
    *records = reinterpret_cast<const Record*>(FindMapLump(mapName, lumpName, &size, image));
    // A lump that was not found has no size; a count of 0 keeps readers of
    // the null pointer away from it.
    *count = *records != nullptr ? static_cast<int32_t>(size / sizeof(Record)) : 0;
}

// Points the level into image; a null image is read from the file by the
// first lookup, and retried by each later one when that fails.
uint8_t* LoadLumps(LevelView* level, uint8_t* image) {
    const char* mapName = mapTable[mapIndex].name;
    LoadLump(mapName, "VERTEXES", &image, &level->vertexes, &level->numVertexes);
    LoadLump(mapName, "LINEDEFS", &image, &level->linedefs, &level->numLinedefs);
    LoadLump(mapName, "THINGS", &image, &level->things, &level->numThings);
    LoadLump(mapName, "SIDEDEFS", &image, &level->sidedefs, &level->numSidedefs);
    LoadLump(mapName, "SECTORS", &image, &level->sectors, &level->numSectors);
    LoadLump(mapName, "SEGS", &image, &level->segs, &level->numSegs);
    LoadLump(mapName, "SSECTORS", &image, &level->subsectors, &level->numSubsectors);
    LoadLump(mapName, "NODES", &image, &level->nodes, &level->numNodes);
    return image;
}

}  // namespace

void LoadLevel(LevelView* level) {
    uint8_t* image = LoadLumps(level, nullptr);
    FreeWadImage(currentLevelImage);
    currentLevelImage = image;
}

void LoadLevelFromImage(LevelView* level, uint8_t* image) {
    LoadLumps(level, image);
    FreeWadImage(currentLevelImage);
    currentLevelImage = nullptr;
}
