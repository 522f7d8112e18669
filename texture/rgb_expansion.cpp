#include <cstdlib>

#include "texture/texture_store.h"

uint32_t* ExpandRgbToRgbx(int32_t width, int32_t height, const uint8_t* source) {
    // The byte count is a signed 32-bit value; one that is negative or does
    // not fit gives an empty block, as a count of 0 does.
    int64_t byteCount = int64_t{width} * height * 4;
    if (width < 0 || height < 0 || byteCount > INT32_MAX) byteCount = 0;
    auto* block = static_cast<uint8_t*>(malloc(static_cast<size_t>(byteCount)));
    if (block == nullptr || byteCount == 0) return reinterpret_cast<uint32_t*>(block);

    const int64_t pixelCount = byteCount / 4;
    for (int64_t i = 0; i < pixelCount; ++i) {
        block[4 * i] = source[3 * i + 2];
        block[4 * i + 1] = source[3 * i + 1];
        block[4 * i + 2] = source[3 * i];
        block[4 * i + 3] = 0;
    }
    return reinterpret_cast<uint32_t*>(block);
}
