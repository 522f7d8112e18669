#include "tests/platform/window/recording_window.h"

std::vector<MSG> recorded;
LRESULT createResult;
bool paintsThroughBeginPaint;

namespace {

LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    recorded.push_back({window, message, wParam, lParam, 0, {}});
    PAINTSTRUCT paint;
    switch (message) {
        case WM_CREATE:
            return createResult;
        case WM_DESTROY:
            PostQuitMessage(3);
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            if (!paintsThroughBeginPaint) break;
            BeginPaint(window, &paint);
            EndPaint(window, &paint);
            return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

std::vector<UINT> Messages() {
    std::vector<UINT> numbers;
    for (const MSG& m : recorded) numbers.push_back(m.message);
    return numbers;
}

void RecordingWindowTest::SetUp() {
    UseHeadlessWindows(kWidth, kHeight);
    static const WNDCLASSA windowClass{0, RecordingProc, 0, 0, 0, 0, 0, 0, 0, "RecordingWindow"};
    static const bool registered = RegisterClassA(&windowClass) != 0;
    ASSERT_TRUE(registered);
    recorded.clear();
    createResult = 0;
    paintsThroughBeginPaint = true;
}

void RecordingWindowTest::TearDown() {
    if (window == nullptr || WindowPixels(window, nullptr, nullptr) == nullptr) return;
    DefWindowProcA(window, WM_CLOSE, 0, 0);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0)) DispatchMessageA(&message);
}

HWND RecordingWindowTest::Create(DWORD style) {
    return window = CreateWindowExA(0, "RecordingWindow", "Recording", style, CW_USEDEFAULT,
                                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                                    nullptr, nullptr);
}

MSG RecordingWindowTest::NextMessage() {
    MSG message{};
    EXPECT_TRUE(GetMessageA(&message, nullptr, 0, 0));
    return message;
}
