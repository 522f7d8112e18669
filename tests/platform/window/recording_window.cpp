#include "tests/platform/window/recording_window.h"

std::vector<RecordedMessage> recorded;
LRESULT createResult;
bool paintsThroughBeginPaint;

namespace {

constexpr char kClassName[] = "RecordingWindow";

LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    recorded.push_back({message, wParam, lParam});
    switch (message) {
        case WM_CREATE:
            return createResult;
        case WM_DESTROY:
            PostQuitMessage(3);
            return 0;
        case WM_PAINT:
            if (!paintsThroughBeginPaint) break;
            PAINTSTRUCT paint;
            BeginPaint(window, &paint);
            EndPaint(window, &paint);
            return 0;
        case WM_ERASEBKGND:
            return 1;
        default:
            break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

void RecordingWindowTest::SetUp() {
    UseHeadlessWindows(kWidth, kHeight);
    static const bool registered = [] {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = RecordingProc;
        windowClass.lpszClassName = kClassName;
        return RegisterClassA(&windowClass) != 0;
    }();
    ASSERT_TRUE(registered);
    recorded.clear();
    createResult = 0;
    paintsThroughBeginPaint = true;
}

void RecordingWindowTest::TearDown() {
    if (window != nullptr && WindowPixels(window, nullptr, nullptr) != nullptr) Close(window);
}

HWND RecordingWindowTest::Create(DWORD style) {
    window = CreateWindowExA(0, kClassName, "Recording", style, CW_USEDEFAULT, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, nullptr, nullptr);
    return window;
}

std::vector<UINT> RecordingWindowTest::Messages() const {
    std::vector<UINT> numbers;
    for (const RecordedMessage& m : recorded) numbers.push_back(m.message);
    return numbers;
}

MSG RecordingWindowTest::NextMessage() {
    MSG message{};
    EXPECT_TRUE(GetMessageA(&message, nullptr, 0, 0));
    return message;
}

void RecordingWindowTest::Close(HWND closing) {
    DefWindowProcA(closing, WM_CLOSE, 0, 0);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0)) DispatchMessageA(&message);
}
