// Classes, style and placement, monitors, painting and message boxes of
// headless windows.
#include "tests/platform/window/recording_window.h"

namespace {

constexpr DWORD kUnframed = WS_CHILD | WS_VISIBLE;

LRESULT CALLBACK IdleProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

TEST(WindowClassTest, NameCanBeRegisteredOnceAndNeedsAProcedure) {
    WNDCLASSA windowClass{};
    windowClass.lpszClassName = "OnceOnly";
    EXPECT_EQ(RegisterClassA(&windowClass), 0) << "no window procedure";
    windowClass.lpfnWndProc = IdleProc;
    EXPECT_NE(RegisterClassA(&windowClass), 0);
    EXPECT_EQ(RegisterClassA(&windowClass), 0);
}

TEST_F(RecordingWindowTest, ShowWindowAnswersWhetherTheWindowWasVisible) {
    Create();
    EXPECT_FALSE(ShowWindow(window, SW_SHOWNORMAL));
    EXPECT_TRUE(ShowWindow(window, SW_HIDE));
    EXPECT_FALSE(ShowWindow(window, SW_SHOWMINIMIZED));
}

TEST_F(RecordingWindowTest, StyleExchangeReturnsThePreviousStyle) {
    Create();
    EXPECT_EQ(static_cast<DWORD>(SetWindowLongA(window, GWL_STYLE, kUnframed)),
              static_cast<DWORD>(WS_OVERLAPPEDWINDOW));
    EXPECT_EQ(static_cast<DWORD>(SetWindowLongA(window, GWL_STYLE, WS_OVERLAPPEDWINDOW)),
              static_cast<DWORD>(kUnframed));
}

TEST_F(RecordingWindowTest, ShowingAndHidingSetTheVisibleStyleBit) {
    Create();
    ShowWindow(window, SW_SHOWNORMAL);
    EXPECT_EQ(static_cast<DWORD>(SetWindowLongA(window, GWL_STYLE, WS_OVERLAPPEDWINDOW)),
              static_cast<DWORD>(WS_OVERLAPPEDWINDOW | WS_VISIBLE));
    ShowWindow(window, SW_HIDE);
    EXPECT_EQ(static_cast<DWORD>(SetWindowLongA(window, GWL_STYLE, WS_OVERLAPPEDWINDOW)),
              static_cast<DWORD>(WS_OVERLAPPEDWINDOW));
}

TEST_F(RecordingWindowTest, PlacementMovesSizesAndReportsTheNewClientSize) {
    Create();
    recorded.clear();
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 150, 90, 0);
    ASSERT_EQ(Messages(), (std::vector<UINT>{WM_SIZE}));
    EXPECT_EQ(recorded[0].lParam, MAKELPARAM(150, 90));
    RECT rect;
    ASSERT_TRUE(GetWindowRect(window, &rect));
    EXPECT_EQ(rect.left, 0);
    EXPECT_EQ(rect.top, 0);
    EXPECT_EQ(rect.right, 150);
    EXPECT_EQ(rect.bottom, 90);

    recorded.clear();
    SetWindowPos(window, HWND_TOPMOST, 30, 40, 150, 90, 0);
    EXPECT_TRUE(recorded.empty()) << "a move alone leaves the client size";
    GetWindowRect(window, &rect);
    EXPECT_EQ(rect.left, 30);
    EXPECT_EQ(rect.bottom, 130);
}

TEST_F(RecordingWindowTest, HeadlessMonitorIsTheSizeOfTheClientArea) {
    Create();
    MONITORINFO info{};
    const HMONITOR monitor = MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST);
    EXPECT_FALSE(GetMonitorInfoA(monitor, &info)) << "the size field must be set";
    info.cbSize = sizeof(info);
    ASSERT_TRUE(GetMonitorInfoA(monitor, &info));
    EXPECT_EQ(info.rcMonitor.right - info.rcMonitor.left, kWidth);
    EXPECT_EQ(info.rcMonitor.bottom - info.rcMonitor.top, kHeight);
    EXPECT_EQ(info.dwFlags, 1u);
}

TEST_F(RecordingWindowTest, PaintingDrawsIntoTheWindowsPixels) {
    Create();
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(window, &paint);
    ASSERT_NE(dc, nullptr);
    EXPECT_EQ(paint.hdc, dc);
    EXPECT_EQ(paint.rcPaint.right, kWidth);
    EXPECT_EQ(paint.rcPaint.bottom, kHeight);
    const HPEN red = CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
    const HGDIOBJ previous = SelectObject(dc, red);
    MoveToEx(dc, 10, 5, nullptr);
    LineTo(dc, 20, 5);
    SelectObject(dc, previous);
    DeleteObject(red);
    EndPaint(window, &paint);

    int width = 0;
    int height = 0;
    const uint32_t* pixels = WindowPixels(window, &width, &height);
    ASSERT_NE(pixels, nullptr);
    EXPECT_EQ(width, kWidth);
    EXPECT_EQ(height, kHeight);
    EXPECT_EQ(pixels[5 * kWidth + 10], 0xFF0000u);
    EXPECT_EQ(pixels[5 * kWidth + 19], 0xFF0000u);
    EXPECT_EQ(pixels[5 * kWidth + 20], 0u) << "the last point stays unlit";
}

TEST_F(RecordingWindowTest, PaintAfterAResizeCoversTheNewClientArea) {
    Create();
    SetWindowPos(window, nullptr, 0, 0, 400, 260, 0);
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(window, &paint);
    Rectangle(dc, 0, 0, 400, 260);
    EndPaint(window, &paint);
    int width = 0;
    int height = 0;
    const uint32_t* pixels = WindowPixels(window, &width, &height);
    ASSERT_EQ(width, 400);
    ASSERT_EQ(height, 260);
    EXPECT_EQ(pixels[259 * 400 + 399], 0u) << "the outline's far corner";
    EXPECT_EQ(pixels[100 * 400 + 200], 0xFFFFFFu) << "the white fill";
}

TEST_F(RecordingWindowTest, EraseRequestReachesTheProcedureAtBeginPaint) {
    Create();
    InvalidateRect(window, nullptr, TRUE);
    recorded.clear();
    PAINTSTRUCT paint;
    BeginPaint(window, &paint);
    EndPaint(window, &paint);
    EXPECT_EQ(Messages(), (std::vector<UINT>{WM_ERASEBKGND}));
    EXPECT_FALSE(paint.fErase) << "the procedure answered that it erased";

    InvalidateRect(window, nullptr, FALSE);
    recorded.clear();
    BeginPaint(window, &paint);
    EndPaint(window, &paint);
    EXPECT_TRUE(recorded.empty());
}

TEST(MessageBoxTest, WithoutAScreenTheTextGoesToStandardErrorAndTheAnswerIsOk) {
    UseHeadlessWindows(10, 10);
    testing::internal::CaptureStderr();
    const int answer =
        MessageBoxA(nullptr, "Program requires Windows NT!", "Vellumtarn", MB_ICONERROR);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Vellumtarn: Program requires Windows NT!\n");
    EXPECT_EQ(answer, 1);
}

}  // namespace
