#include "platform/gdi/glyph_text.h"

#include <algorithm>

#include "platform/gdi/font_glyphs.h"
#include "platform/gdi/span_fill.h"

namespace gdi {

namespace {

// The eight pixels of every possible cell row in one pair of colours. A
// frame writes thousands of labels in the same colours, so a row of a cell
// becomes one copy from this table, rebuilt only when the colours change.
// It starts in one colour, which text never looks up, so the first lookup
// builds it.
struct CellRows {
    uint32_t foreground = 0;
    uint32_t background = 0;
    uint32_t pixels[256][kGlyphWidth];
};

CellRows cellRows;

const CellRows& CellRowsIn(uint32_t foreground, uint32_t background) {
    if (cellRows.foreground == foreground && cellRows.background == background) {
        return cellRows;
    }
    for (int bits = 0; bits < 256; ++bits) {
        for (int x = 0; x < kGlyphWidth; ++x) {
            cellRows.pixels[bits][x] = (bits & (0x80 >> x)) ? foreground : background;
        }
    }
    cellRows.foreground = foreground;
    cellRows.background = background;
    return cellRows;
}

// A cell row's eight pixels as one value: 32 bytes, one load and one store
// where AVX2 has them, two of each otherwise.
typedef uint32_t CellRowPixels
    __attribute__((vector_size(sizeof(uint32_t) * kGlyphWidth), aligned(4)));

inline void CopyCellRow(uint32_t* row, const uint32_t* pixels) {
    *reinterpret_cast<CellRowPixels*>(row) = *reinterpret_cast<const CellRowPixels*>(pixels);
}

// On x86-64 the copy is built twice, for AVX2 and for any x86-64, and the
// loader picks one for the processor: about 0.3 M instructions fewer a paint
// of an outline frame of E1M5, with 3,100 labels.
#if defined(__x86_64__)
#define VELLUMTARN_CELL_ROW_CLONES __attribute__((target_clones("avx2", "default")))
#else
#define VELLUMTARN_CELL_ROW_CLONES
#endif

// Nearly every label shows whole. Its cells then need no clipping, and a
// cell's sixteen rows go without a test between them: in the loop a row
// took as many instructions to find and count as to copy.
VELLUMTARN_CELL_ROW_CLONES void DrawWholeCells(uint32_t* out, ptrdiff_t stride, const char* text,
                                               int64_t length, const CellRows& rows) {
    for (int64_t cell = 0; cell < length; ++cell, out += kGlyphWidth) {
        const uint8_t* glyph = kFontGlyphs[static_cast<unsigned char>(text[cell])];
        uint32_t* row = out;
#pragma GCC unroll 16
        for (int y = 0; y < kGlyphHeight; ++y, row += stride)
            CopyCellRow(row, rows.pixels[glyph[y]]);
    }
}

}  // namespace

// Cell by cell, so that a cell's clipping is decided once for its rows.
void DrawTextCells(const PixelSurface& surface, const PixelRect& clip, int64_t left, int64_t top,
                   const char* text, int64_t length, uint32_t foreground, uint32_t background) {
    const PixelRect cells = TextCells(left, top, length);
    const PixelRect visible = Intersect(Intersect(cells, clip), Bounds(surface));
    if (visible.Empty()) return;
    // In one colour the glyphs do not show: the cells are a solid block.
    // The stamps of a label drawn over held-back fills are such a colour,
    // a new one each time, which no table would outlive.
    if (foreground == background) {
        FillSolid(surface, visible, foreground);
        return;
    }
    const CellRows& rows = CellRowsIn(foreground, background);
    // Held apart from the surface: the row copies could write over it, as
    // far as the compiler knows, which would have it read again every row.
    const ptrdiff_t stride = surface.stride;
    if (visible == cells) {
        DrawWholeCells(surface.Row(int(top)) + left, stride, text, length, rows);
        return;
    }
    const int64_t firstCell = (visible.left - left) / kGlyphWidth;
    const int64_t endCell = (visible.right - left + kGlyphWidth - 1) / kGlyphWidth;
    for (int64_t cell = firstCell; cell < endCell; ++cell) {
        const uint8_t* glyph = kFontGlyphs[static_cast<unsigned char>(text[cell])];
        const int64_t cellLeft = left + cell * kGlyphWidth;
        const int64_t from = std::max(cellLeft, visible.left);
        const int64_t to = std::min(cellLeft + kGlyphWidth, visible.right);
        const uint8_t* bits = glyph + (visible.top - top);
        const uint8_t* const endBits = glyph + (visible.bottom - top);
        uint32_t* out = surface.Row(int(visible.top)) + from;
        if (to - from == kGlyphWidth) {
            for (; bits != endBits; ++bits, out += stride) CopyCellRow(out, rows.pixels[*bits]);
            continue;
        }
        for (; bits != endBits; ++bits, out += stride) {
            std::copy(rows.pixels[*bits] + (from - cellLeft), rows.pixels[*bits] + (to - cellLeft),
                      out);
        }
    }
}

}  // namespace gdi
