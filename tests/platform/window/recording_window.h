// A headless window whose procedure records every message it receives.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "platform/window/headless.h"

struct RecordedMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

class RecordingWindowTest : public testing::Test {
protected:
    static constexpr int kWidth = 320;
    static constexpr int kHeight = 200;

    void SetUp() override;
    void TearDown() override;

    // Creates a window of the recording class; the creation's messages are
    // recorded too.
    HWND Create(DWORD style = WS_OVERLAPPEDWINDOW);

    // The message numbers recorded so far, in order.
    std::vector<UINT> Messages() const;

    // The next message the loop hands out; fails the test on WM_QUIT.
    MSG NextMessage();

    // Destroys the window and takes the quit message it leaves behind.
    void Close(HWND window);

    HWND window = nullptr;
};

// What the recording procedure saw, and what it answers.
extern std::vector<RecordedMessage> recorded;
extern LRESULT createResult;
extern bool paintsThroughBeginPaint;
