// A headless window whose procedure records every message it receives.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "platform/window/headless.h"

class RecordingWindowTest : public testing::Test {
protected:
    static constexpr int kWidth = 320;
    static constexpr int kHeight = 200;

    void SetUp() override;
    void TearDown() override;
    // A window of the recording class; its creation's messages are recorded.
    HWND Create(DWORD style = WS_OVERLAPPEDWINDOW);
    // The next message the loop hands out; fails the test on WM_QUIT.
    MSG NextMessage();

    HWND window = nullptr;
};

// What the recording procedure saw, and what it answers.
extern std::vector<MSG> recorded;
extern LRESULT createResult;
extern bool paintsThroughBeginPaint;
// The message numbers recorded so far, in order.
std::vector<UINT> Messages();
