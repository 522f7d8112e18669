#include "wad/text_output.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <random>
#include <string>

// Cutting the text short is what the test is about.
#pragma GCC diagnostic ignored "-Wformat-truncation"

// The frame's labels and status line must read exactly as printf would write
// them, cut short as vsnprintf cuts, whatever the numbers and buffer sizes.
TEST(FormatText, WritesDecimalsAsPrintfWouldAtEveryBufferSize) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> anyInt(INT_MIN, INT_MAX);
    for (int i = 0; i < 2000; ++i) {
        const int a = i == 0 ? INT_MIN : i == 1 ? INT_MAX : i == 2 ? 0 : anyInt(random) >> (i % 31);
        const int b = -a / 7;
        for (size_t size = 1; size <= 24; ++size) {
            char expected[24];
            char actual[24];
            const int full = snprintf(expected, size, "P%d", a);
            EXPECT_EQ(FormatText(actual, size, "P%d", a), std::min<int>(full, int(size) - 1));
            EXPECT_STREQ(actual, expected);
            snprintf(expected, size, "Max %d (%d,%d)%%", a, b, i);
            FormatText(actual, size, "Max %d (%d,%d)%%", a, b, i);
            EXPECT_STREQ(actual, expected);
        }
    }
}
