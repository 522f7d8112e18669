#include "platform/gdi/pixel_blocks.h"

#include <new>

namespace gdi {

namespace {

// One block is enough: the viewer holds one frame bitmap at a time.
std::unique_ptr<uint32_t[]> spareBlock;
size_t spareCount = 0;

}  // namespace

ptrdiff_t RowStride(int width) {
    constexpr ptrdiff_t kPixelsPerLine = 16;  // 64-byte cache lines
    const ptrdiff_t lines = (ptrdiff_t(width) + kPixelsPerLine - 1) / kPixelsPerLine;
    if (lines <= 1) return width;
    return (lines % 2 == 0 ? lines + 1 : lines) * kPixelsPerLine;
}

std::unique_ptr<uint32_t[]> TakePixelBlock(size_t count) {
    if (count == 0) count = 1;
    if (spareBlock && spareCount == count) return std::move(spareBlock);
    return std::unique_ptr<uint32_t[]>(new (std::nothrow) uint32_t[count]);
}

void GiveBackPixelBlock(std::unique_ptr<uint32_t[]> block, size_t count) {
    spareBlock = std::move(block);
    spareCount = count == 0 ? 1 : count;
}

}  // namespace gdi
