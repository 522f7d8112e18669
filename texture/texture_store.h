// The texture store: a checkerboard in a static area, replaced by the
// pixels of map.bmp when that file is present.
#pragma once

#include <cstdint>

// Paints the 512 x 512 black-and-white checkerboard into the store that
// textureStore points at.
void FillCheckerboard();

// Reads map.bmp from the current folder into the static area and points
// textureStore at its converted pixels; the width and height from the
// header are written only when the file could be opened.
void LoadTextureImage(int32_t* widthOut, int32_t* heightOut);

// A new heap block of width x height pixels, each the three bytes of the
// source pixel in reverse order followed by a zero byte.
uint32_t* ExpandRgbToRgbx(int32_t width, int32_t height, const uint8_t* source);
