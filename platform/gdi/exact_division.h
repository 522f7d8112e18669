// Integer division rounded down or up whatever the signs, and the 128-bit
// type that holds the products of two coordinate differences exactly.
#pragma once

namespace gdi {

// Coordinates reach 2^32 apart and the kernels multiply two such values,
// sometimes by a small factor more: 128 bits hold every intermediate exactly.
using Wide = __int128;

// For a positive divisor.
template <class Int>
Int FloorDiv(Int numerator, Int divisor) {
    Int quotient = numerator / divisor;
    if (numerator % divisor != 0 && numerator < 0) --quotient;
    return quotient;
}

template <class Int>
Int CeilDiv(Int numerator, Int divisor) {
    return -FloorDiv(-numerator, divisor);
}

}  // namespace gdi
