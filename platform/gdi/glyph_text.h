// One line of text in the system font: each character cell filled with the
// background, its glyph in the text colour.
#pragma once

#include <cstdint>

#include "platform/gdi/font_glyphs.h"
#include "platform/gdi/pixel_surface.h"

namespace gdi {

// The cells of `length` bytes of text that start at (left, top).
inline PixelRect TextCells(int64_t left, int64_t top, int64_t length) {
    return {left, top, left + length * kGlyphWidth, top + kGlyphHeight};
}

// Cells start at (left, top), one per byte of text, and are drawn only
// inside clip (and the surface), touching only the cells that show.
void DrawTextCells(const PixelSurface& surface, const PixelRect& clip, int64_t left, int64_t top,
                   const char* text, int64_t length, uint32_t foreground, uint32_t background);

}  // namespace gdi
