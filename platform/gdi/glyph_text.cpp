#include "platform/gdi/glyph_text.h"

#include <algorithm>

#include "platform/gdi/font_glyphs.h"

namespace gdi {

void DrawTextCells(const PixelSurface& surface, const PixelRect& clip, int64_t left, int64_t top,
                   const char* text, int64_t length, uint32_t foreground, uint32_t background) {
    const PixelRect cells{left, top, left + length * kGlyphWidth, top + kGlyphHeight};
    const PixelRect visible = Intersect(Intersect(cells, clip), Bounds(surface));
    if (visible.Empty()) return;
    const int64_t firstCell = (visible.left - left) / kGlyphWidth;
    const int64_t endCell = (visible.right - left + kGlyphWidth - 1) / kGlyphWidth;
    for (int64_t y = visible.top; y < visible.bottom; ++y) {
        uint32_t* row = surface.Row(int(y));
        const int glyphRow = int(y - top);
        for (int64_t cell = firstCell; cell < endCell; ++cell) {
            const uint8_t bits = kFontGlyphs[static_cast<unsigned char>(text[cell])][glyphRow];
            const int64_t cellLeft = left + cell * kGlyphWidth;
            if (cellLeft >= visible.left && cellLeft + kGlyphWidth <= visible.right) {
                // A whole cell: eight pixels with their masks known.
                uint32_t* out = row + cellLeft;
                for (int x = 0; x < kGlyphWidth; ++x) {
                    out[x] = (bits & (0x80 >> x)) ? foreground : background;
                }
                continue;
            }
            const int64_t from = std::max(cellLeft, visible.left);
            const int64_t to = std::min(cellLeft + kGlyphWidth, visible.right);
            for (int64_t x = from; x < to; ++x) {
                row[x] = (bits & (0x80 >> (x - cellLeft))) ? foreground : background;
            }
        }
    }
}

}  // namespace gdi
