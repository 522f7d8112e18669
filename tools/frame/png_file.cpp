#include "tools/frame/png_file.h"

#include <png.h>

#include <cstdio>
#include <vector>

bool WritePngFile(const char* path, const uint32_t* pixels, int width, int height) {
    std::vector<png_byte> rgb(static_cast<size_t>(width) * static_cast<size_t>(height) * 3);
    for (size_t i = 0; i < rgb.size() / 3; ++i) {
        rgb[3 * i] = static_cast<png_byte>(pixels[i] >> 16);
        rgb[3 * i + 1] = static_cast<png_byte>(pixels[i] >> 8);
        rgb[3 * i + 2] = static_cast<png_byte>(pixels[i]);
    }
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(width);
    image.height = static_cast<png_uint_32>(height);
    image.format = PNG_FORMAT_RGB;
    const bool written = png_image_write_to_file(&image, path, 0, rgb.data(), 0, nullptr) != 0;
    if (!written) fprintf(stderr, "vellumtarn-frame: cannot write %s: %s\n", path, image.message);
    png_image_free(&image);
    return written;
}
