#include "render/truncate.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

// Toward zero; what does not fit saturates, from the first float past each
// end; NaN is 0.
TEST(TruncateTest, RoundsTowardZeroAndSaturates) {
    const float inf = std::numeric_limits<float>::infinity();
    const struct {
        float in;
        int32_t out;
    } cases[] = {
        {-4.5f, -4},
        {-2147483648.0f, INT32_MIN},
        {2147483520.0f, 2147483520},  // the largest float below 2^31
        {2147483648.0f, INT32_MAX},
        {inf, INT32_MAX},
        {-2147483904.0f, INT32_MIN},  // the next float below -2^31
        {-inf, INT32_MIN},
        {std::numeric_limits<float>::quiet_NaN(), 0},
    };
    for (const auto& c : cases) EXPECT_EQ(TruncateToInt32(c.in), c.out) << c.in;
}

}  // namespace
