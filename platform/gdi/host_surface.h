// What the host side of platform/ needs from the drawing half: a device
// context that draws straight into pixels the host owns (a window's back
// buffer), and read access to a bitmap's pixels for tools.
#pragma once

#include <cstdint>

#include "platform/windows_api.h"

// A device context whose selected bitmap draws into the caller's pixels,
// 0x00RRGGBB each, rows strideInPixels apart. The pixels must outlive it;
// DeleteDC releases the context and leaves the pixels alone.
HDC CreateHostSurfaceDC(uint32_t* pixels, int width, int height, int strideInPixels);

// The pixels of a bitmap from CreateCompatibleBitmap, 0x00RRGGBB each, rows
// *stride pixels apart (which may be more than the width). Null for a
// handle that is not a bitmap; width, height and stride, when given,
// receive its size and row stride.
const uint32_t* BitmapPixels(HBITMAP bitmap, int* width, int* height, int* stride);
