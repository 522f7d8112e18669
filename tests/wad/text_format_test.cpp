#include <gtest/gtest.h>

#include <cstring>

#include "wad/text_output.h"

namespace {

TEST(FormatTextTest, WritesTheSameTextAsPrintfWhenItFitsAndNeverPastItsBuffer) {
    char buffer[512];
    EXPECT_EQ(FormatText(buffer, sizeof buffer, "MaxDepth %d MaxDraw %d Player (%d,%d)", INT32_MIN,
                         INT32_MIN, INT32_MIN, INT32_MIN),
              73);
    EXPECT_STREQ(buffer,
                 "MaxDepth -2147483648 MaxDraw -2147483648 Player (-2147483648,-2147483648)");
    EXPECT_EQ(FormatText(buffer, 13, "P%d", INT32_MIN), 12);  // just fits
    EXPECT_STREQ(buffer, "P-2147483648");
    memset(buffer, '#', sizeof buffer);
    EXPECT_EQ(FormatText(buffer, 8, "P%d", 123456789), 7);
    EXPECT_STREQ(buffer, "P123456");
    EXPECT_EQ(buffer[8], '#');
    EXPECT_EQ(FormatText(buffer, 0, "P%d", 1), -1);
    EXPECT_EQ(buffer[0], 'P');
}

}  // namespace
