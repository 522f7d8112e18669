// Classes, style and placement, monitors, painting and message boxes of
// headless windows.
#include "tests/platform/window/recording_window.h"

namespace {

TEST(WindowClassTest, NameCanBeRegisteredOnceAndNeedsAProcedure) {
    WNDCLASSA windowClass{};
    windowClass.lpszClassName = "OnceOnly";
    EXPECT_EQ(RegisterClassA(&windowClass), 0) << "no window procedure";
    windowClass.lpfnWndProc = DefWindowProcA;
    EXPECT_NE(RegisterClassA(&windowClass), 0);
    EXPECT_EQ(RegisterClassA(&windowClass), 0);
}

// ShowWindow answers whether the window was visible and sets WS_VISIBLE; the
// style exchange returns the previous style.
TEST_F(RecordingWindowTest, ShowingAndStyleExchange) {
    Create();
    const auto exchange = [&](DWORD style) {
        return DWORD(SetWindowLongA(window, GWL_STYLE, style));
    };
    EXPECT_EQ(exchange(WS_CHILD), DWORD(WS_OVERLAPPEDWINDOW));
    EXPECT_EQ(exchange(WS_OVERLAPPEDWINDOW), DWORD(WS_CHILD));
    EXPECT_FALSE(ShowWindow(window, SW_SHOWNORMAL));
    EXPECT_EQ(exchange(WS_OVERLAPPEDWINDOW), DWORD(WS_OVERLAPPEDWINDOW | WS_VISIBLE));
    EXPECT_TRUE(ShowWindow(window, SW_HIDE));
    EXPECT_EQ(exchange(WS_OVERLAPPEDWINDOW), DWORD(WS_OVERLAPPEDWINDOW));
    EXPECT_FALSE(ShowWindow(window, SW_SHOWMINIMIZED));
}

// Placement sizes (reporting the new client size) and moves (reporting
// nothing); the headless monitor is the client area's size.
TEST_F(RecordingWindowTest, PlacementAndMonitor) {
    Create();
    MONITORINFO info{};
    const HMONITOR monitor = MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST);
    EXPECT_FALSE(GetMonitorInfoA(monitor, &info)) << "the size field must be set";
    info.cbSize = sizeof(info);
    ASSERT_TRUE(GetMonitorInfoA(monitor, &info));
    EXPECT_EQ(std::vector<LONG>({info.rcMonitor.right - info.rcMonitor.left,
                                 info.rcMonitor.bottom - info.rcMonitor.top, LONG(info.dwFlags)}),
              std::vector<LONG>({kWidth, kHeight, 1}));

    recorded.clear();
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 150, 90, 0);
    ASSERT_EQ(Messages(), (std::vector<UINT>{WM_SIZE}));
    EXPECT_EQ(recorded[0].lParam, MAKELPARAM(150, 90));
    recorded.clear();
    SetWindowPos(window, HWND_TOPMOST, 30, 40, 150, 90, 0);
    EXPECT_TRUE(recorded.empty());
    RECT rect{};
    EXPECT_TRUE(GetWindowRect(window, &rect));
    EXPECT_EQ(std::vector<LONG>({rect.left, rect.top, rect.right, rect.bottom}),
              std::vector<LONG>({30, 40, 180, 130}));
}

// Painting draws into the window's pixels, at their size after a resize.
TEST_F(RecordingWindowTest, PaintingDrawsIntoTheWindowsPixels) {
    Create();
    SetWindowPos(window, nullptr, 0, 0, 400, 260, 0);
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(window, &paint);
    ASSERT_NE(dc, nullptr);
    EXPECT_EQ(paint.hdc, dc);
    EXPECT_EQ(paint.rcPaint.right, 400);
    EXPECT_EQ(paint.rcPaint.bottom, 260);
    Rectangle(dc, 0, 0, 400, 260);
    EndPaint(window, &paint);
    int width = 0, height = 0;
    const uint32_t* pixels = WindowPixels(window, &width, &height);
    ASSERT_TRUE(pixels != nullptr && width == 400 && height == 260);
    // A new window is black: the white brush inside shows the drawing.
    EXPECT_EQ(pixels[1 * 400 + 1], 0xFFFFFFu);
    EXPECT_EQ(pixels[258 * 400 + 398], 0xFFFFFFu) << "the inside's far corner";
    EXPECT_EQ(pixels[259 * 400 + 399], 0u) << "the outline's far corner";
}

// UpdateWindow paints once, erasing at BeginPaint, which validates; an
// invalidation without erasing sends no erase.
TEST_F(RecordingWindowTest, UpdatePaintsOnceAndEraseReachesTheProcedureAtBeginPaint) {
    Create();
    ShowWindow(window, SW_SHOWNORMAL);
    for (const bool first : {true, false}) {  // BeginPaint validates the window
        recorded.clear();
        UpdateWindow(window);
        EXPECT_EQ(Messages(),
                  (first ? std::vector<UINT>{WM_PAINT, WM_ERASEBKGND} : std::vector<UINT>{}));
    }

    PAINTSTRUCT paint;
    for (const BOOL erase : {TRUE, FALSE}) {
        InvalidateRect(window, nullptr, erase);
        recorded.clear();
        BeginPaint(window, &paint);
        EndPaint(window, &paint);
        EXPECT_EQ(Messages(), erase ? std::vector<UINT>{WM_ERASEBKGND} : std::vector<UINT>{});
        EXPECT_FALSE(paint.fErase) << "the procedure answered that it erased";
    }
}

TEST(MessageBoxTest, WithoutAScreenTheTextGoesToStandardErrorAndTheAnswerIsOk) {
    UseHeadlessWindows(10, 10);
    testing::internal::CaptureStderr();
    EXPECT_EQ(MessageBoxA(nullptr, "Program requires Windows NT!", "Vellumtarn", MB_ICONERROR), 1);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Vellumtarn: Program requires Windows NT!\n");
}

}  // namespace
