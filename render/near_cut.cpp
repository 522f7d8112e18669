#include "render/near_cut.h"

#include <algorithm>
#include <cstdint>

#include "render/truncate.h"

namespace {

// The cut term M: the cut lands where the line through both ends reaches
// depth M / 20, here 8 units (surface pixels) in front of the player. At 8 a
// wall of ordinary height already reaches past the top and bottom of the
// picture (128 x H / 8 rows). The depth formula then subtracts
// newL / (4 x depth span), and a cut gives up only when newL > 28 x span,
// that is 28 or more to the left: at depth 8 such a point lies 1792 columns
// or more off centre, so a cut end that would show on a picture up to 3584
// pixels wide is never given up.
constexpr int64_t kCutTerm = 160;

// Lateral and depth enter the cut clamped to 2^28. That keeps every product
// and sum below 2^63, so the 64-bit arithmetic never overflows, even at a
// scale no one zooms to; an end that far away lies more than a hundred
// thousand screen widths off.
constexpr int64_t kCutInputLimit = int64_t{1} << 28;

int64_t CutInput(float value) {
    return std::clamp<int64_t>(TruncateToInt32(value), -kCutInputLimit, kCutInputLimit);
}

// newL = lateralNumerator / den, newD = (-5 newL + depthTerm) / den, both
// rounded toward zero; a zero den takes K and M instead.
bool CutAt(int64_t den, int64_t lateralNumerator, int64_t depthTerm, int64_t k, float* lateral,
           float* depth) {
    int64_t newLateral = k;
    int64_t newDepth = kCutTerm;
    if (den != 0) {
        newLateral = lateralNumerator / den;
        newDepth = (-5 * newLateral + depthTerm) / den;
    }
    if (newDepth < 1) return false;
    *lateral = static_cast<float>(newLateral);
    *depth = static_cast<float>(newDepth);
    return true;
}

}  // namespace

// The line through (L1, D1) and (L2, D2) reaches depth D at lateral
//   L1 + (L2 - L1)(D - D1) / (D2 - D1) = (K + (L2 - L1) D) / (D2 - D1),
// with K = L1 D2 - D1 L2. At D = M / 20, times 20 above and below:
//   newL = (20 K - (L1 - L2) M) / (20 (D2 - D1)),
// end 1's numerator; end 2's is its negation over the negated span, the
// same point. The depth numerator -5 newL + (D2 - D1) M over the same span
// gives M / 20 - newL / (4 (D2 - D1)), the cut depth less a small lean.
// End 2 is cut at depth M / 20 like end 1: with M in its two formulas, end 2
// would be cut at -M / 20, behind the player, where its new depth always
// falls below 1, so a wall would vanish or not by the order of its ends.
bool CutNearEnd(float* lateral1, float* depth1, float* lateral2, float* depth2) {
    const int64_t l1 = CutInput(*lateral1);
    const int64_t d1 = CutInput(*depth1);
    const int64_t l2 = CutInput(*lateral2);
    const int64_t d2 = CutInput(*depth2);
    const int64_t k = l1 * d2 - d1 * l2;
    const int64_t m = kCutTerm;
    if (*depth1 <= 0 && *depth2 > 0) {
        return CutAt(20 * (d2 - d1), 20 * k - (l1 - l2) * m, -(d1 - d2) * m, k, lateral1, depth1);
    }
    if (*depth1 > 0 && *depth2 <= 0) {
        return CutAt(20 * (d1 - d2), -20 * k + (l1 - l2) * m, (d1 - d2) * m, k, lateral2, depth2);
    }
    return false;
}
