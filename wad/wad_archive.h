// Reading the WAD archive whole and finding a map's lumps inside it.
#pragma once

#include <cstdint>

// The file that ReadWadFile opens, relative to the current directory.
extern const char* wadPath;

// Reads the whole file into a new image: the file's bytes followed by one
// zero byte. Returns null when the file cannot be opened or read whole.
// outSize, when given, receives the file's size on success.
uint8_t* ReadWadFile(uint32_t* outSize);

// An image of size bytes copied from memory, as ReadWadFile would make of a
// file holding them; null when it cannot be allocated.
uint8_t* CopyWadImage(const uint8_t* bytes, uint32_t size);

// The number of file bytes an image holds.
uint32_t WadImageSize(const uint8_t* image);

// Whether an image starts with a whole header that says IWAD or PWAD.
bool HasWadIdentification(const uint8_t* image);

// Releases an image from ReadWadFile or CopyWadImage; null is allowed.
void FreeWadImage(uint8_t* image);

// Finds the first lump, at or after the first directory entry whose name
// occurs in mapName, whose name occurs in lumpName. Reads the file into
// *imageVar when that is null. Returns null when nothing is found.
const uint8_t* FindMapLump(const char* mapName, const char* lumpName, uint32_t* outSize,
                           uint8_t** imageVar);
