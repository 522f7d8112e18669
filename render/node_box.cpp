#include <algorithm>

#include "render/bsp_walk.h"
#include "render/truncate.h"

namespace {

// Closed intervals, each given by its two bounds in either order.
bool Overlap(float a1, float a2, float b1, float b2) {
    return std::max(a1, a2) >= std::min(b1, b2) && std::max(b1, b2) >= std::min(a1, a2);
}

}  // namespace

bool PlayerInNodeBox(const int16_t box[4]) {
    // Truncation toward zero, then the low 16 bits as a signed value.
    const int32_t cellX = static_cast<int16_t>(TruncateToInt32(playerX));
    const int32_t cellY = static_cast<int16_t>(TruncateToInt32(playerY));
    const float top = box[0];
    const float bottom = box[1];
    const float left = box[2];
    const float right = box[3];
    return Overlap(static_cast<float>(cellX), static_cast<float>(cellX + 1), left, right) &&
           Overlap(static_cast<float>(cellY), static_cast<float>(cellY + 1), top, bottom);
}
