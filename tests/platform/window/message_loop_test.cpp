// Creation and closing, the order in which the loop hands out messages, and
// the timer's beat.
#include <chrono>
#include <thread>

#include "tests/platform/window/recording_window.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

TEST_F(RecordingWindowTest, CreationSendsCreateThenTheClientSizeInsideTheCall) {
    EXPECT_FALSE(CreateWindowExA(0, "NoSuchClass", "", 0, 0, 0, 9, 9, 0, 0, 0, 0));
    EXPECT_TRUE(recorded.empty());

    createResult = -1;  // refused: destroyed again, which posts the quit
    EXPECT_EQ(Create(), nullptr);
    EXPECT_EQ(Messages(), (std::vector<UINT>{WM_CREATE, WM_DESTROY}));
    MSG quit;
    EXPECT_FALSE(GetMessageA(&quit, nullptr, 0, 0));

    createResult = 0;
    recorded.clear();
    ASSERT_NE(Create(), nullptr);
    ASSERT_EQ(Messages(), (std::vector<UINT>{WM_CREATE, WM_SIZE}));
    EXPECT_EQ(recorded[1].lParam, MAKELPARAM(kWidth, kHeight));

    DefWindowProcA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(recorded.back().message, static_cast<UINT>(WM_DESTROY));
    EXPECT_EQ(WindowPixels(window, nullptr, nullptr), nullptr);
    EXPECT_FALSE(GetMessageA(&quit, nullptr, 0, 0));
    EXPECT_EQ(quit.wParam, 3u);
}

// A hidden window's paint waits; quit comes first, then paint, then a due
// timer; a paint the procedure leaves to the default one is validated there.
TEST_F(RecordingWindowTest, QuitComesBeforePaintAndPaintBeforeADueTimer) {
    paintsThroughBeginPaint = false;
    Create();
    SetTimer(window, 4, 10, nullptr);
    InvalidateRect(window, nullptr, FALSE);
    EXPECT_EQ(NextMessage().message, static_cast<UINT>(WM_TIMER));
    ShowWindow(window, SW_SHOWMINIMIZED);
    std::this_thread::sleep_for(15ms);
    PostQuitMessage(7);
    MSG message;
    ASSERT_FALSE(GetMessageA(&message, nullptr, 0, 0));
    EXPECT_EQ(message.wParam, 7u);
    message = NextMessage();
    EXPECT_EQ(message.message, static_cast<UINT>(WM_PAINT));
    EXPECT_EQ(message.hwnd, window);
    DispatchMessageA(&message);
    message = NextMessage();
    EXPECT_EQ(message.message, static_cast<UINT>(WM_TIMER));
    EXPECT_EQ(message.wParam, 4u);
}

// Ten periods pass without the loop looking. Queued ticks would arrive at
// once; one tick for them all, then the timer's own beat, spreads the next
// three over more than a period. Setting the timer again replaces it.
TEST_F(RecordingWindowTest, TimerTicksAtItsPeriodAndASlowThreadGetsOneTick) {
    Create();
    SetTimer(window, 2, 5, nullptr);
    SetTimer(window, 2, 20, nullptr);
    const Clock::time_point set = Clock::now();
    EXPECT_EQ(NextMessage().wParam, 2u);
    EXPECT_GE(Clock::now() - set, 20ms);
    std::this_thread::sleep_for(200ms);
    const Clock::time_point resumed = Clock::now();
    for (int tick = 0; tick < 3; ++tick) EXPECT_EQ(NextMessage().message, UINT(WM_TIMER));
    EXPECT_GE(Clock::now() - resumed, 20ms);
}

void CALLBACK RecordingTimerProc(HWND, UINT, UINT_PTR id, DWORD) {
    recorded.push_back({nullptr, 0x8000, id, 0, 0, {}});
}

TEST_F(RecordingWindowTest, TimerWithACallbackCallsItInsteadOfTheProcedure) {
    Create();
    SetTimer(window, 6, 10, RecordingTimerProc);
    recorded.clear();
    const MSG tick = NextMessage();
    DispatchMessageA(&tick);
    ASSERT_EQ(Messages(), std::vector<UINT>{0x8000});
    EXPECT_EQ(recorded[0].wParam, 6u);
}

}  // namespace
