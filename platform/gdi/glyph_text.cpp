#include "platform/gdi/glyph_text.h"

#include <algorithm>
#include <cstring>

#include "platform/gdi/font_glyphs.h"

namespace gdi {

namespace {

// Four pixels of a cell row as one vector, so that the bit tests and the
// choice of colour compile to a few vector operations (a comparison with
// zero, and, or) rather than a branch or a select per pixel.
using FourPixels = uint32_t __attribute__((vector_size(4 * sizeof(uint32_t))));

constexpr FourPixels kLeftBits = {0x80, 0x40, 0x20, 0x10};
constexpr FourPixels kRightBits = {0x08, 0x04, 0x02, 0x01};

FourPixels Choose(FourPixels bits, FourPixels columnBits, FourPixels foreground,
                  FourPixels background) {
    const FourPixels blank = (bits & columnBits) == 0;  // all ones where the bit is clear
    return (blank & background) | (~blank & foreground);
}

void DrawWholeCellRow(uint32_t* out, uint8_t bits, uint32_t foreground, uint32_t background) {
    const FourPixels spread = FourPixels{} + bits;
    const FourPixels ink = FourPixels{} + foreground;
    const FourPixels paper = FourPixels{} + background;
    const FourPixels halves[2] = {Choose(spread, kLeftBits, ink, paper),
                                  Choose(spread, kRightBits, ink, paper)};
    memcpy(out, halves, sizeof halves);
}

}  // namespace

// Cell by cell, so that a cell's clipping is decided once for its rows.
void DrawTextCells(const PixelSurface& surface, const PixelRect& clip, int64_t left, int64_t top,
                   const char* text, int64_t length, uint32_t foreground, uint32_t background) {
    const PixelRect cells{left, top, left + length * kGlyphWidth, top + kGlyphHeight};
    const PixelRect visible = Intersect(Intersect(cells, clip), Bounds(surface));
    if (visible.Empty()) return;
    const int64_t firstCell = (visible.left - left) / kGlyphWidth;
    const int64_t endCell = (visible.right - left + kGlyphWidth - 1) / kGlyphWidth;
    for (int64_t cell = firstCell; cell < endCell; ++cell) {
        const uint8_t* glyph = kFontGlyphs[static_cast<unsigned char>(text[cell])];
        const int64_t cellLeft = left + cell * kGlyphWidth;
        const int64_t from = std::max(cellLeft, visible.left);
        const int64_t to = std::min(cellLeft + kGlyphWidth, visible.right);
        for (int64_t y = visible.top; y < visible.bottom; ++y) {
            uint32_t* row = surface.Row(int(y));
            const uint8_t bits = glyph[y - top];
            if (to - from == kGlyphWidth) {
                DrawWholeCellRow(row + cellLeft, bits, foreground, background);
                continue;
            }
            for (int64_t x = from; x < to; ++x) {
                row[x] = (bits & (0x80 >> (x - cellLeft))) ? foreground : background;
            }
        }
    }
}

}  // namespace gdi
