#include "tools/frame/bench_floor.h"

#include <cstddef>
#include <cstdint>

namespace {

int floorWidth;
int floorHeight;
std::vector<uint32_t> floorStore;

LRESULT CALLBACK FloorWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PAINT) return DefWindowProcA(window, message, wParam, lParam);
    PAINTSTRUCT paint;
    HDC paintDc = BeginPaint(window, &paint);
    HBITMAP bitmap = CreateCompatibleBitmap(paintDc, floorWidth, floorHeight);
    SetBitmapBits(bitmap, DWORD(floorStore.size() * sizeof(uint32_t)), floorStore.data());
    HDC memoryDc = CreateCompatibleDC(paintDc);
    HGDIOBJ previousBitmap = SelectObject(memoryDc, bitmap);
    Rectangle(memoryDc, 0, 0, floorWidth, floorHeight);
    StretchBlt(paintDc, 0, 0, floorWidth, floorHeight, memoryDc, 0, 0, floorWidth, floorHeight,
               SRCCOPY);
    SelectObject(memoryDc, previousBitmap);
    DeleteDC(memoryDc);
    DeleteObject(bitmap);
    EndPaint(window, &paint);
    return 0;
}

}  // namespace

HWND CreateFloorWindow(int width, int height) {
    floorWidth = width;
    floorHeight = height;
    floorStore.assign(size_t(width) * size_t(height), 0);
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = FloorWindowProc;
    windowClass.lpszClassName = "VellumtarnBenchFloor";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(0, "VellumtarnBenchFloor", "floor", WS_OVERLAPPEDWINDOW,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                  nullptr, nullptr, nullptr, nullptr);
    ShowWindow(window, SW_SHOWNORMAL);
    return window;
}
