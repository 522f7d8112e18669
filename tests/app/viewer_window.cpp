#include "tests/app/viewer_window.h"

#include <cstdlib>

#include "render/pen_palette.h"
#include "wad/wad_archive.h"

namespace {

constexpr char kClassName[] = "ViewerUnderTest";

void ResetViewGlobals() {
    levelView.maxDepth = levelView.maxDraw = 0;
    levelView.drawAllNodes = 0;
    levelView.scale = levelView.offsetX = levelView.offsetY = 0;
    playerX = playerY = playerAngle = 0;
    clientWidth = clientHeight = restoreWidth = restoreHeight = 0;
    mapIndex = 0;
    fillWalls = zoomedProjection = false;
    swapStyle = 0x50000000;
    std::free(frameStore);
    frameStore = nullptr;
}

}  // namespace

__time64_t FixedPenClock(__time64_t* result) {
    if (result != nullptr) *result = 1700000000;
    return 1700000000;
}

void ViewerProcessTest::SetUp() {
    UseHeadlessWindows(kWidth, kHeight);
    static const bool registered = [] {
        WNDCLASSA windowClass{};
        windowClass.style = CS_HREDRAW | CS_VREDRAW;
        windowClass.lpfnWndProc = MainWindowProc;
        windowClass.lpszClassName = kClassName;
        return RegisterClassA(&windowClass) != 0;
    }();
    ASSERT_TRUE(registered);
    ResetViewGlobals();
    wadPath = VELLUMTARN_FREEDOOM_WAD;
    penClock = FixedPenClock;
}

void ViewerProcessTest::TearDown() {
    if (window != nullptr) {
        // Closing posts the quit message, which the loop then takes.
        if (WindowPixels(window, nullptr, nullptr) != nullptr) {
            Send(WM_CLOSE);
            MSG message;
            while (GetMessageA(&message, nullptr, 0, 0)) DispatchMessageA(&message);
        }
        DeletePenPalette(&levelView);
    }
    wadPath = "DOOM1.WAD";
    penClock = _time64;
}

HWND ViewerProcessTest::CreateViewerWindow() {
    window = CreateWindowExA(0, kClassName, "Vellumtarn", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, nullptr,
                             nullptr);
    return window;
}
