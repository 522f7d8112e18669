#include <cstdio>
#include <cstring>

#include "texture/texture_area.h"
#include "texture/texture_store.h"
#include "wad/level_view.h"

namespace {

constexpr size_t kHeaderSize = 54;
constexpr size_t kWidthOffset = 18;
constexpr size_t kHeightOffset = 22;

int32_t ReadInt32(const uint8_t* bytes) {
    const uint32_t value = uint32_t{bytes[0]} | uint32_t{bytes[1]} << 8 | uint32_t{bytes[2]} << 16 |
                           uint32_t{bytes[3]} << 24;
    return static_cast<int32_t>(value);
}

// The raw read puts width x height x 4 bytes into the static area, so an
// image only fits when neither side is negative and the pixel count stays
// within the area; the wide product cannot overflow.
bool FitsTextureArea(int32_t width, int32_t height) {
    return width >= 0 && height >= 0 && int64_t{width} * height <= kTextureAreaPixels;
}

}  // namespace

void LoadTextureImage(int32_t* widthOut, int32_t* heightOut) {
    uint8_t header[kHeaderSize] = {};
    FILE* file = fopen("map.bmp", "rb");
    if (file == nullptr) {
        perror("Unable to write file");
        return;
    }
    fread(header, 1, sizeof header, file);  // a short header keeps its zeros
    const int32_t width = ReadInt32(header + kWidthOffset);
    const int32_t height = ReadInt32(header + kHeightOffset);
    *widthOut = width;
    *heightOut = height;
    // A header out of bounds is refused: the checkerboard stays.
    if (!FitsTextureArea(width, height)) {
        fclose(file);
        return;
    }
    const size_t pixelBytes = static_cast<size_t>(width) * static_cast<size_t>(height) * 4;
    // A 24-bit image holds fewer bytes than this; the read takes what is there.
    fread(textureArea, 1, pixelBytes, file);
    fclose(file);

    uint32_t* image = ExpandRgbToRgbx(width, height, reinterpret_cast<const uint8_t*>(textureArea));
    // Without memory for the converted image the checkerboard stays.
    if (image != nullptr) textureStore = image;
}
