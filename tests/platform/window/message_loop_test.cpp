// The order in which the loop hands out messages, and the timer's beat.
#include <chrono>
#include <thread>

#include "tests/platform/window/recording_window.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

TEST_F(RecordingWindowTest, CreationSendsCreateThenTheClientSizeInsideTheCall) {
    ASSERT_NE(Create(), nullptr);
    ASSERT_EQ(Messages(), (std::vector<UINT>{WM_CREATE, WM_SIZE}));
    EXPECT_EQ(LOWORD(recorded[1].lParam), kWidth);
    EXPECT_EQ(HIWORD(recorded[1].lParam), kHeight);
}

TEST_F(RecordingWindowTest, CreationRefusedByTheProcedureDestroysTheWindow) {
    createResult = -1;
    EXPECT_EQ(Create(), nullptr);
    EXPECT_EQ(Messages(), (std::vector<UINT>{WM_CREATE, WM_DESTROY}));
    MSG quit;
    EXPECT_FALSE(GetMessageA(&quit, nullptr, 0, 0));
    window = nullptr;
}

TEST_F(RecordingWindowTest, UnknownClassCreatesNothing) {
    EXPECT_EQ(
        CreateWindowExA(0, "NoSuchClass", "", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr),
        nullptr);
    EXPECT_TRUE(recorded.empty());
}

TEST_F(RecordingWindowTest, ShowingPaintsOnceAtUpdateAndNotAgain) {
    Create();
    ShowWindow(window, SW_SHOWNORMAL);
    recorded.clear();
    UpdateWindow(window);
    EXPECT_EQ(Messages(), (std::vector<UINT>{WM_PAINT, WM_ERASEBKGND}));
    recorded.clear();
    UpdateWindow(window);
    EXPECT_TRUE(recorded.empty()) << "BeginPaint validates the window";
}

TEST_F(RecordingWindowTest, HiddenWindowsGetNoPaintFromTheLoop) {
    Create();
    SetTimer(window, 9, 10, nullptr);
    InvalidateRect(window, nullptr, FALSE);
    EXPECT_EQ(NextMessage().message, WM_TIMER);
    ShowWindow(window, SW_SHOWMINIMIZED);
    const MSG paint = NextMessage();
    EXPECT_EQ(paint.message, WM_PAINT);
    EXPECT_EQ(paint.hwnd, window);
}

TEST_F(RecordingWindowTest, QuitComesBeforePaintAndPaintBeforeADueTimer) {
    Create();
    ShowWindow(window, SW_SHOWNORMAL);
    SetTimer(window, 4, 10, nullptr);
    std::this_thread::sleep_for(15ms);
    PostQuitMessage(7);
    MSG message;
    ASSERT_FALSE(GetMessageA(&message, nullptr, 0, 0));
    EXPECT_EQ(message.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(message.wParam, 7u);
    message = NextMessage();
    EXPECT_EQ(message.message, static_cast<UINT>(WM_PAINT));
    DispatchMessageA(&message);
    message = NextMessage();
    EXPECT_EQ(message.message, static_cast<UINT>(WM_TIMER));
    EXPECT_EQ(message.wParam, 4u);
}

TEST_F(RecordingWindowTest, PaintWithoutBeginPaintIsValidatedByTheDefaultProcedure) {
    paintsThroughBeginPaint = false;
    Create();
    ShowWindow(window, SW_SHOWNORMAL);
    MSG message = NextMessage();
    ASSERT_EQ(message.message, static_cast<UINT>(WM_PAINT));
    DispatchMessageA(&message);
    SetTimer(window, 1, 10, nullptr);
    EXPECT_EQ(NextMessage().message, static_cast<UINT>(WM_TIMER));
}

TEST_F(RecordingWindowTest, TimerTicksAtItsPeriodAndASlowThreadGetsOneTick) {
    Create();
    const Clock::time_point set = Clock::now();
    SetTimer(window, 2, 20, nullptr);
    EXPECT_EQ(NextMessage().message, static_cast<UINT>(WM_TIMER));
    EXPECT_GE(Clock::now() - set, 20ms);

    // Ten periods pass without the loop looking. Queued ticks would arrive
    // at once; one tick for them all, then the timer's own beat, spreads the
    // next three over more than a period.
    std::this_thread::sleep_for(200ms);
    const Clock::time_point resumed = Clock::now();
    for (int tick = 0; tick < 3; ++tick)
        EXPECT_EQ(NextMessage().message, static_cast<UINT>(WM_TIMER));
    EXPECT_GE(Clock::now() - resumed, 20ms);
}

TEST_F(RecordingWindowTest, SettingATimerAgainReplacesIt) {
    Create();
    SetTimer(window, 5, 10, nullptr);
    SetTimer(window, 5, 40, nullptr);
    const Clock::time_point set = Clock::now();
    const MSG tick = NextMessage();
    EXPECT_EQ(tick.wParam, 5u);
    EXPECT_GE(Clock::now() - set, 40ms);
}

// Marks a call of the timer callback among the recorded messages.
constexpr UINT kTimerCallback = 0x8000;

void CALLBACK CountingTimerProc(HWND, UINT, UINT_PTR id, DWORD) {
    recorded.push_back({kTimerCallback, id, 0});
}

TEST_F(RecordingWindowTest, TimerWithACallbackCallsItInsteadOfTheProcedure) {
    Create();
    SetTimer(window, 6, 10, CountingTimerProc);
    recorded.clear();
    const MSG tick = NextMessage();
    DispatchMessageA(&tick);
    ASSERT_EQ(recorded.size(), 1u);
    EXPECT_EQ(recorded[0].message, kTimerCallback);
    EXPECT_EQ(recorded[0].wParam, 6u);
}

TEST_F(RecordingWindowTest, ClosingDestroysTheWindowAndEndsTheLoopWithTheQuitCode) {
    Create();
    DefWindowProcA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(recorded.back().message, static_cast<UINT>(WM_DESTROY));
    EXPECT_EQ(WindowPixels(window, nullptr, nullptr), nullptr);
    MSG message;
    EXPECT_FALSE(GetMessageA(&message, nullptr, 0, 0));
    EXPECT_EQ(message.wParam, 3u);
    window = nullptr;
}

}  // namespace
