#include <algorithm>

#include "render/projected_wall.h"
#include "wad/level_view.h"

namespace {

int32_t Saturate(int64_t value) {
    return static_cast<int32_t>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
}

}  // namespace

int64_t HalfClientWidth() {
    return static_cast<uint32_t>(clientWidth) >> 1;
}

int64_t HalfClientHeight() {
    return static_cast<uint32_t>(clientHeight) >> 1;
}

int32_t CentreColumnPlus(int32_t offset) {
    return Saturate(HalfClientWidth() + offset);
}

int32_t CentreRowMinus(int32_t offset) {
    return Saturate(HalfClientHeight() - offset);
}
