// The one conversion from a float coordinate to a pixel or integer.
#pragma once

#include <cmath>
#include <cstdint>

// Rounds toward zero to a signed 32-bit integer. Values the result cannot
// hold saturate: at or above 2^31 (and +inf) give INT32_MAX, below -2^31
// (and -inf) give INT32_MIN, and NaN gives 0. An end very close to the
// player projects to such values; they must still draw somewhere defined.
// Every coordinate of a frame goes through here, tens of thousands a frame,
// so the values that fit take one comparison: |value| < 2^31 holds for all
// of them but -2^31 itself, which the saturation below maps to INT32_MIN
// all the same, and fails for NaN.
inline int32_t TruncateToInt32(float value) {
    if (std::fabs(value) < 2147483648.0f) [[likely]] {
        return static_cast<int32_t>(value);
    }
    if (value != value) return 0;
    return value > 0 ? INT32_MAX : INT32_MIN;
}
