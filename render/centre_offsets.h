// Pixel positions measured from the centre of the client area. Every wall
// column asks for two, so they are inline.
#pragma once

#include <algorithm>
#include <cstdint>

#include "wad/level_view.h"

// Half the client width and height, taken as unsigned and rounded down.
inline int64_t HalfClientWidth() {
    return static_cast<uint32_t>(clientWidth) >> 1;
}

inline int64_t HalfClientHeight() {
    return static_cast<uint32_t>(clientHeight) >> 1;
}

inline int32_t SaturateToInt32(int64_t value) {
    return static_cast<int32_t>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
}

// The pixel column halfW + offset and row halfH - offset, halfW and halfH
// read from the client size at each call. Offsets that saturated on their
// way to an integer keep the sum inside the 32-bit range.
inline int32_t CentreColumnPlus(int32_t offset) {
    return SaturateToInt32(HalfClientWidth() + offset);
}

inline int32_t CentreRowMinus(int32_t offset) {
    return SaturateToInt32(HalfClientHeight() - offset);
}
