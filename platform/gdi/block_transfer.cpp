// Moving pixels in and out of bitmaps: SetBitmapBits, GetBitmapBits and
// StretchBlt. The bytes of a 32-bit bitmap are its pixels in memory order
// (blue, green, red, unused), so uploads and read-backs are plain copies.
#include <cstring>

#include "platform/gdi/deferred_columns.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/trace_log.h"

using namespace gdi;

namespace {

constexpr int64_t kBytesPerPixel = 4;

// Calls copyRow(rowBytes, byteOffsetInBits, countOfBytes) for each row the
// first `bytes` bytes of a back-to-back image fall on; returns the bytes covered.
template <class CopyRow>
int64_t ForEachImageRow(const PixelSurface& surface, int64_t bytes, CopyRow copyRow) {
    const int64_t rowBytes = surface.width * kBytesPerPixel;
    const int64_t total = std::min<int64_t>(bytes, rowBytes * surface.height);
    if (total <= 0) return 0;
    for (int64_t done = 0, y = 0; done < total; done += rowBytes, ++y) {
        copyRow(reinterpret_cast<uint8_t*>(surface.Row(int(y))), done,
                std::min(rowBytes, total - done));
    }
    return total;
}

void CopyEqualSize(const PixelSurface& dest, const PixelRect& target, const PixelSurface& source,
                   int64_t shiftX, int64_t shiftY) {
    const PixelRect sourceInDest{-shiftX, -shiftY, source.width - shiftX, source.height - shiftY};
    const PixelRect visible = Intersect(Intersect(target, Bounds(dest)), sourceInDest);
    if (visible.Empty()) return;
    const size_t rowBytes = size_t(visible.right - visible.left) * kBytesPerPixel;
    // Within one bitmap, copy rows in the order that reads each before it is overwritten.
    const bool upwards = dest.pixels == source.pixels && shiftY < 0;
    for (int64_t i = 0; i < visible.bottom - visible.top; ++i) {
        const int64_t y = upwards ? visible.bottom - 1 - i : visible.top + i;
        memmove(dest.Row(int(y)) + visible.left,
                source.Row(int(y + shiftY)) + visible.left + shiftX, rowBytes);
    }
}

}  // namespace

LONG SetBitmapBits(HBITMAP handle, DWORD bytes, const void* bits) {
    if (TraceOn()) TraceLine("SetBitmapBits %u", unsigned(bytes));
    Bitmap* bitmap = AsBitmap(handle);
    if (!bitmap || !bits) return 0;
    // An upload of the whole image leaves no pixel to clear.
    const PixelSurface& surface = bitmap->surface;
    if (int64_t(bytes) >= int64_t(surface.width) * surface.height * kBytesPerPixel) {
        bitmap->clearPending = false;
    }
    RevealPixels(bitmap);
    SettleAllColumns(bitmap);
    const auto* in = static_cast<const uint8_t*>(bits);
    return LONG(ForEachImageRow(bitmap->surface, bytes, [&](uint8_t* row, int64_t at, int64_t n) {
        memcpy(row, in + at, size_t(n));
    }));
}

LONG GetBitmapBits(HBITMAP handle, LONG bytes, LPVOID bits) {
    Bitmap* bitmap = AsBitmap(handle);
    if (!bitmap || !bits) return 0;
    RevealPixels(bitmap);
    SettleAllColumns(bitmap);
    auto* out = static_cast<uint8_t*>(bits);
    return LONG(ForEachImageRow(
        bitmap->surface, bytes,
        [&](const uint8_t* row, int64_t at, int64_t n) { memcpy(out + at, row, size_t(n)); }));
}

// SRCCOPY only, at equal sizes: the viewer copies its frame 1:1, so a copy
// that would stretch is refused rather than half-supported.
BOOL StretchBlt(HDC destHandle, int destX, int destY, int destWidth, int destHeight,
                HDC sourceHandle, int sourceX, int sourceY, int sourceWidth, int sourceHeight,
                DWORD rop) {
    if (TraceOn()) {
        TraceLine("StretchBlt %d %d %d %d %d %d %d %d %u", destX, destY, destWidth, destHeight,
                  sourceX, sourceY, sourceWidth, sourceHeight, unsigned(rop));
    }
    DeviceContext* dest = AsDeviceContext(destHandle);
    DeviceContext* source = AsDeviceContext(sourceHandle);
    if (!dest || !source || rop != SRCCOPY) return FALSE;
    if (destWidth < 0 || destHeight < 0 || destWidth != sourceWidth || destHeight != sourceHeight) {
        return FALSE;
    }
    if (destWidth == 0 || destHeight == 0) return TRUE;
    const PixelRect target{destX, destY, int64_t(destX) + destWidth, int64_t(destY) + destHeight};
    SettleAllColumns(source->bitmap);
    SettleAllColumns(dest->bitmap);
    CopyEqualSize(dest->bitmap->surface, target, source->bitmap->surface, int64_t(sourceX) - destX,
                  int64_t(sourceY) - destY);
    return TRUE;
}
