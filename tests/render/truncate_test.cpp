#include "render/truncate.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(TruncateTest, RoundsTowardZero) {
    EXPECT_EQ(TruncateToInt32(-0.7f), 0);
    EXPECT_EQ(TruncateToInt32(3.9f), 3);
    EXPECT_EQ(TruncateToInt32(-4.5f), -4);
    EXPECT_EQ(TruncateToInt32(-2147483648.0f), INT32_MIN);
    EXPECT_EQ(TruncateToInt32(2147483520.0f), 2147483520);  // the largest float below 2^31
}

TEST(TruncateTest, SaturatesWhatDoesNotFit) {
    const float infinity = std::numeric_limits<float>::infinity();
    EXPECT_EQ(TruncateToInt32(2147483648.0f), INT32_MAX);
    EXPECT_EQ(TruncateToInt32(1e30f), INT32_MAX);
    EXPECT_EQ(TruncateToInt32(infinity), INT32_MAX);
    EXPECT_EQ(TruncateToInt32(-2147483904.0f), INT32_MIN);  // the next float below -2^31
    EXPECT_EQ(TruncateToInt32(-infinity), INT32_MIN);
    EXPECT_EQ(TruncateToInt32(std::numeric_limits<float>::quiet_NaN()), 0);
}

}  // namespace
