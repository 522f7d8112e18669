// The messages the viewer answers besides keys, and the order in which the
// loop hands them out.
#include <chrono>
#include <thread>

#include "tests/app/viewer_window.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

MSG NextMessage() {
    MSG message{};
    EXPECT_TRUE(GetMessageA(&message, nullptr, 0, 0));
    return message;
}

TEST_F(ViewerWindowTest, AnyTimerTickReplacesThePensWithoutLeakingAndAsksForAPaint) {
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    const DWORD objectsBefore = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    for (int tick = 0; tick < 10000; ++tick) ASSERT_EQ(Send(WM_TIMER, tick), 0);
    EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), objectsBefore);
    EXPECT_NE(levelView.wallPens[0], nullptr);
    const MSG message = NextMessage();
    EXPECT_EQ(message.message, static_cast<UINT>(WM_PAINT));
    EXPECT_EQ(message.hwnd, window);
}

// A hidden window's paint waits. Then quit comes first, the paint before a
// due tick, and the paint validates the window.
TEST_F(ViewerWindowTest, QuitComesBeforePaintAndPaintBeforeADueTick) {
    InvalidateRect(window, nullptr, FALSE);
    EXPECT_EQ(NextMessage().message, static_cast<UINT>(WM_TIMER));
    ShowWindow(window, SW_SHOWNORMAL);
    std::this_thread::sleep_for(20ms);
    PostQuitMessage(7);
    MSG message;
    ASSERT_FALSE(GetMessageA(&message, nullptr, 0, 0));
    EXPECT_EQ(message.wParam, 7u);
    message = NextMessage();
    EXPECT_EQ(message.message, static_cast<UINT>(WM_PAINT));
    DispatchMessageA(&message);
    message = NextMessage();
    EXPECT_EQ(message.message, static_cast<UINT>(WM_TIMER));
    EXPECT_EQ(message.wParam, 1u);
}

// Ten beats pass without the loop looking. Queued ticks would come at once;
// one tick for them all, then the timer's own beat, spreads the next three
// over more than a beat.
TEST_F(ViewerWindowTest, ASlowFrameGetsOneTickForTheBeatsItMissed) {
    std::this_thread::sleep_for(160ms);
    const Clock::time_point resumed = Clock::now();
    for (int tick = 0; tick < 3; ++tick) EXPECT_EQ(NextMessage().message, UINT(WM_TIMER));
    EXPECT_GE(Clock::now() - resumed, 16ms);
}

TEST_F(ViewerWindowTest, NoErasingNoMouseAndSizesKeepBothHalvesUnsigned) {
    EXPECT_EQ(Send(WM_ERASEBKGND), 1);
    EXPECT_EQ(Send(WM_MOUSEMOVE, 0, MAKELPARAM(300, 200)), 0);
    EXPECT_EQ(playerX, 50.0f);
    EXPECT_EQ(playerAngle, 0.0f);
    EXPECT_EQ(Send(WM_SIZE, 0, MAKELPARAM(65535, 40000)), 0);
    EXPECT_EQ(clientWidth, 65535);
    EXPECT_EQ(clientHeight, 40000);
}

}  // namespace
