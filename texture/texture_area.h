// The static block that the checkerboard is painted into and that map.bmp's
// raw pixels are read into.
#pragma once

#include <cstdint>

// 2048 x 2048 pixels: 16 MiB, the largest image the store takes.
constexpr int32_t kTextureAreaPixels = 2048 * 2048;

extern uint32_t textureArea[kTextureAreaPixels];
