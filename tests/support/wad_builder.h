// Builds small WAD files for tests, well-formed or deliberately damaged.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct TestLump {
    std::string name;  // up to 8 characters; longer names are cut
    std::vector<uint8_t> data;
};

// A WAD image: the 12-byte header, the lumps' data in order, then the
// directory. Damage is applied afterwards through the Patch helpers.
std::vector<uint8_t> BuildWad(const std::vector<TestLump>& lumps, const char* ident = "IWAD");

// The file offset of directory entry i in an image from BuildWad.
size_t DirEntryOffset(const std::vector<uint8_t>& wad, int i);

void PatchI32(std::vector<uint8_t>& bytes, size_t offset, int32_t value);

// Little-endian record bytes from 16-bit fields.
std::vector<uint8_t> Int16Bytes(const std::vector<int>& values);

// A lump of n zero bytes.
inline std::vector<uint8_t> ZeroBytes(size_t n) {
    return std::vector<uint8_t>(n, 0);
}

// The eight lumps the level loader asks for, in the standard order, each
// holding `records` zeroed records, after a marker for `mapName`.
std::vector<TestLump> StandardMapLumps(const std::string& mapName, int records);

// Writes bytes to a fresh file in the test's temporary folder and returns
// its path. The file is removed when the process exits.
std::string WriteTempFile(const std::string& stem, const std::vector<uint8_t>& bytes);
