#include "app/frame_presentation.h"

#include <stdlib.h>

#include "render/overview.h"

// The bytes the block behind frameStore holds.
static size_t frameStoreBytes;

DWORD ReserveFrameStore(int32_t width, int32_t height) {
    const size_t needed = (size_t)width * (size_t)height * 4;
    if (frameStore == NULL || needed > frameStoreBytes) {
        // The old pixels never reach the screen, so nothing is copied over.
        free(frameStore);
        frameStore = (uint32_t*)malloc(needed);
        frameStoreBytes = frameStore != NULL ? needed : 0;
    }
    return needed <= frameStoreBytes ? (DWORD)needed : 0;
}

void PaintFrame(HDC paintDc, LevelView* level) {
    const int32_t width = clientWidth;
    const int32_t height = clientHeight;
    // The client area may have grown since the store was last sized.
    const DWORD uploadBytes = ReserveFrameStore(width, height);
    HBITMAP bitmap = CreateCompatibleBitmap(paintDc, width, height);
    SetBitmapBits(bitmap, uploadBytes, frameStore);
    HDC memoryDc = CreateCompatibleDC(paintDc);
    HGDIOBJ previousBitmap = SelectObject(memoryDc, bitmap);
    DrawOverview(memoryDc, level);
    StretchBlt(paintDc, 0, 0, clientWidth, clientHeight, memoryDc, 0, 0, width, height, SRCCOPY);
    SelectObject(memoryDc, previousBitmap);
    DeleteDC(memoryDc);
    DeleteObject(bitmap);
}
