// Writing a picture as a PNG file.
#pragma once

#include <cstdint>

// Writes width x height pixels, 0x00RRGGBB each, rows back to back, as an
// 8-bit RGB PNG; false, with the reason on standard error, when it fails.
bool WritePngFile(const char* path, const uint32_t* pixels, int width, int height);
