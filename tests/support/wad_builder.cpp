#include "tests/support/wad_builder.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>

namespace {

void PutI32(std::vector<uint8_t>& out, int32_t value) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(uint32_t(value) >> (8 * i)));
}

// Every file a test process writes goes when the process ends; otherwise each
// run of the suite would leave thousands of small WADs in the temporary folder.
std::vector<std::string> written;

}  // namespace

std::vector<uint8_t> BuildWad(const std::vector<TestLump>& lumps, const char* ident) {
    std::vector<uint8_t> out(ident, ident + 4);
    PutI32(out, static_cast<int32_t>(lumps.size()));
    PutI32(out, 0);  // directory offset, patched below
    std::vector<int32_t> offsets;
    for (const TestLump& lump : lumps) {
        offsets.push_back(static_cast<int32_t>(out.size()));
        out.insert(out.end(), lump.data.begin(), lump.data.end());
    }
    PatchI32(out, 8, static_cast<int32_t>(out.size()));
    for (size_t i = 0; i < lumps.size(); ++i) {
        PutI32(out, offsets[i]);
        PutI32(out, static_cast<int32_t>(lumps[i].data.size()));
        char name[8] = {};
        memcpy(name, lumps[i].name.data(), std::min<size_t>(8, lumps[i].name.size()));
        out.insert(out.end(), name, name + 8);
    }
    return out;
}

size_t DirEntryOffset(const std::vector<uint8_t>& wad, int i) {
    int32_t dir;
    memcpy(&dir, wad.data() + 8, 4);
    return static_cast<size_t>(dir) + 16 * static_cast<size_t>(i);
}

void PatchI32(std::vector<uint8_t>& bytes, size_t offset, int32_t value) {
    memcpy(bytes.data() + offset, &value, 4);
}

std::vector<uint8_t> Int16Bytes(const std::vector<int>& values) {
    std::vector<uint8_t> out;
    for (int v : values) out.insert(out.end(), {uint8_t(v & 0xFF), uint8_t((v >> 8) & 0xFF)});
    return out;
}

std::vector<TestLump> StandardMapLumps(const std::string& mapName, int records) {
    const size_t n = static_cast<size_t>(records);
    return {
        {mapName, {}},
        {"THINGS", ZeroBytes(10 * n)},
        {"LINEDEFS", ZeroBytes(14 * n)},
        {"SIDEDEFS", ZeroBytes(30 * n)},
        {"VERTEXES", ZeroBytes(4 * n)},
        {"SEGS", ZeroBytes(12 * n)},
        {"SSECTORS", ZeroBytes(4 * n)},
        {"NODES", ZeroBytes(28 * n)},
        {"SECTORS", ZeroBytes(26 * n)},
        {"REJECT", ZeroBytes(1)},
        {"BLOCKMAP", ZeroBytes(8)},
    };
}

std::string WriteTempFile(const std::string& stem, const std::vector<uint8_t>& bytes) {
    static std::atomic<int> serial{0};
    // CTest runs each test case as a process of its own, side by side: the
    // process id keeps their files apart.
    std::string path = testing::TempDir() + "vellumtarn_" + stem + "_" + std::to_string(getpid()) +
                       "_" + std::to_string(serial++) + ".wad";
    if (written.empty())
        std::atexit([] {
            for (auto& file : written) std::remove(file.c_str());
        });
    written.push_back(path);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return path;
}
