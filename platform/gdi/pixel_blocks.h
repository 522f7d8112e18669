// The memory behind bitmaps. A program that makes and deletes a bitmap of
// the same size at every paint gets the block of the last one back instead
// of a fresh one: no new pages to map and fault in, and memory that is still
// in the cache.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

namespace gdi {

// The pixels from one row of a bitmap to the next. Rows a multiple of 128
// bytes apart put the pixels of one column into a few cache sets, which
// then evict each other: drawing a vertical line of a 1920-pixel-wide
// bitmap (7,680 bytes a row) ran three to nine times slower than with rows
// an odd number of 64-byte cache lines apart, which spreads a column over
// every set.
ptrdiff_t RowStride(int width);

// A block of at least one pixel, its content undefined; null when memory
// runs out.
std::unique_ptr<uint32_t[]> TakePixelBlock(size_t count);

// The block of a bitmap being deleted, kept for the next TakePixelBlock of
// the same count; it replaces any block kept before.
void GiveBackPixelBlock(std::unique_ptr<uint32_t[]> block, size_t count);

}  // namespace gdi
