// The messages the viewer answers besides keys.
#include "tests/app/viewer_window.h"

namespace {

TEST_F(ViewerWindowTest, AnyTimerTickReplacesThePensWithoutLeakingAndAsksForAPaint) {
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    const DWORD objectsBefore = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    for (int tick = 0; tick < 10000; ++tick) ASSERT_EQ(Send(WM_TIMER, tick), 0);
    EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), objectsBefore);
    EXPECT_NE(levelView.wallPens[0], nullptr);
    MSG message;
    ASSERT_TRUE(GetMessageA(&message, nullptr, 0, 0));
    EXPECT_EQ(message.message, static_cast<UINT>(WM_PAINT));
    EXPECT_EQ(message.hwnd, window);
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

TEST_F(ViewerWindowTest, ClosingTheWindowEndsTheLoopWithExitCodeZero) {
    EXPECT_EQ(Send(WM_CLOSE), 0);
    EXPECT_EQ(WindowPixels(window, nullptr, nullptr), nullptr) << "the window is destroyed";
    MSG message;
    EXPECT_FALSE(GetMessageA(&message, nullptr, 0, 0));
    EXPECT_EQ(message.wParam, 0u);
}

}  // namespace
