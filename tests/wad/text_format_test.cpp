#include <gtest/gtest.h>

#include <cstring>

#include "tests/support/captured_output.h"
#include "wad/wad_archive.h"

namespace {

TEST(FormatTextTest, WritesTheSameTextAsPrintfWhenItFits) {
    char buffer[512];
    int n = FormatText(buffer, sizeof buffer, "MaxDepth %d MaxDraw %d Player (%d,%d)", INT32_MIN,
                       INT32_MIN, INT32_MIN, INT32_MIN);
    EXPECT_STREQ(buffer,
                 "MaxDepth -2147483648 MaxDraw -2147483648 Player (-2147483648,-2147483648)");
    EXPECT_EQ(n, 73);
    char label[13];
    EXPECT_EQ(FormatText(label, sizeof label, "P%d", INT32_MIN), 12);
    EXPECT_STREQ(label, "P-2147483648");
}

TEST(FormatTextTest, NeverWritesPastItsBuffer) {
    char buffer[12];
    memset(buffer, '#', sizeof buffer);
    int n = FormatText(buffer, 8, "P%d", 123456789);
    EXPECT_EQ(n, 7);
    EXPECT_STREQ(buffer, "P123456");
    EXPECT_EQ(buffer[8], '#');
    EXPECT_EQ(FormatText(buffer, 0, "P%d", 1), -1);
    EXPECT_EQ(buffer[0], 'P');
}

TEST(LogPrintTest, WritesFormattedLinesToStandardOutput) {
    std::string out = CaptureStdout([] {
        LogPrint("Unable to open %s\n", "DOOM1.WAD");
        LogPrint("Fail\r\n");
    });
    EXPECT_EQ(out, "Unable to open DOOM1.WAD\nFail\r\n");
}

}  // namespace
