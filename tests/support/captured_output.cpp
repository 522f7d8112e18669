#include "tests/support/captured_output.h"

#include <gtest/gtest.h>

#include <cstdio>

std::string CaptureStdout(const std::function<void()>& action) {
    fflush(stdout);
    testing::internal::CaptureStdout();
    action();
    fflush(stdout);
    return testing::internal::GetCapturedStdout();
}
