#include "wad/wad_archive.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "wad/text_output.h"

const char* wadPath = "DOOM1.WAD";

namespace {

// Each image carries its file size in a prefix ahead of the bytes that
// callers see, so that every later lookup can keep its reads inside the
// file without the caller having to carry the size along.
constexpr size_t kImagePrefix = 16;

constexpr uint32_t kHeaderSize = 12;
constexpr uint32_t kDirEntrySize = 16;

int32_t ReadI32(const uint8_t* p) {
    int32_t value;
    memcpy(&value, p, sizeof value);
    return value;
}

// True when [offset, offset + length) lies inside a file of fileSize bytes.
bool InsideFile(int64_t offset, int64_t length, uint32_t fileSize) {
    return offset >= 0 && length >= 0 && offset + length <= int64_t{fileSize};
}

// Space for the prefix, size bytes and the terminator; the caller fills
// the bytes.
uint8_t* AllocateWadImage(uint32_t size) {
    auto* block = static_cast<uint8_t*>(malloc(kImagePrefix + size_t{size} + 1));
    if (block == nullptr) return nullptr;
    memcpy(block, &size, sizeof size);
    block[kImagePrefix + size] = 0;
    return block + kImagePrefix;
}

}  // namespace

bool HasWadIdentification(const uint8_t* image) {
    if (WadImageSize(image) < kHeaderSize) return false;
    return memcmp(image, "IWAD", 4) == 0 || memcmp(image, "PWAD", 4) == 0;
}

uint8_t* ReadWadFile(uint32_t* outSize) {
    FILE* file = fopen(wadPath, "rb");
    if (file == nullptr) return nullptr;
    long size = -1;
    if (fseek(file, 0, SEEK_END) == 0) size = ftell(file);
    // A size the image cannot describe is treated like an unreadable file.
    if (size < 0 || static_cast<unsigned long>(size) > UINT32_MAX - kImagePrefix - 1 ||
        fseek(file, 0, SEEK_SET) != 0) {
        fclose(file);
        return nullptr;
    }
    const uint32_t fileSize = static_cast<uint32_t>(size);
    uint8_t* image = AllocateWadImage(fileSize);
    if (image == nullptr) {
        fclose(file);
        return nullptr;
    }
    size_t got = fread(image, 1, fileSize, file);
    fclose(file);
    if (got != fileSize) {
        FreeWadImage(image);
        return nullptr;
    }
    if (outSize != nullptr) *outSize = fileSize;
    return image;
}

uint8_t* CopyWadImage(const uint8_t* bytes, uint32_t size) {
    if (size > UINT32_MAX - kImagePrefix - 1) return nullptr;
    uint8_t* image = AllocateWadImage(size);
    if (image != nullptr && size > 0) memcpy(image, bytes, size);
    return image;
}

uint32_t WadImageSize(const uint8_t* image) {
    uint32_t size;
    memcpy(&size, image - kImagePrefix, sizeof size);
    return size;
}

void FreeWadImage(uint8_t* image) {
    if (image != nullptr) free(image - kImagePrefix);
}

const uint8_t* FindMapLump(const char* mapName, const char* lumpName, uint32_t* outSize,
                           uint8_t** imageVar) {
    if (*imageVar == nullptr) {
        *imageVar = ReadWadFile(nullptr);
        if (*imageVar == nullptr) {
            LogPrint("Unable to open %s\n", wadPath);
            return nullptr;
        }
    }
    const uint8_t* image = *imageVar;
    const uint32_t fileSize = WadImageSize(image);
    if (!HasWadIdentification(image)) {
        LogPrint("Invalid WAD file\n");
        return nullptr;
    }
    const int32_t lumpCount = ReadI32(image + 4);
    const int32_t dirOffset = ReadI32(image + 8);
    if (lumpCount <= 0) return nullptr;
    // A directory that does not lie wholly inside the file is not scanned.
    if (!InsideFile(dirOffset, int64_t{lumpCount} * kDirEntrySize, fileSize)) return nullptr;

    bool gateOpen = false;
    char name[9];
    for (int32_t i = 0; i < lumpCount; ++i) {
        const uint8_t* entry = image + dirOffset + int64_t{i} * kDirEntrySize;
        memcpy(name, entry + 8, 8);
        name[8] = '\0';
        if (!gateOpen) {
            if (strstr(mapName, name) == nullptr) continue;
            gateOpen = true;
        }
        if (strstr(lumpName, name) == nullptr) continue;
        const int32_t dataOffset = ReadI32(entry);
        const int32_t size = ReadI32(entry + 4);
        // The first match wins; one whose data is not inside the file is
        // reported as not found rather than handed out.
        if (!InsideFile(dataOffset, static_cast<uint32_t>(size), fileSize)) return nullptr;
        *outSize = static_cast<uint32_t>(size);
        return image + dataOffset;
    }
    return nullptr;
}
