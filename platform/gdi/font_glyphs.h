// The system font: 8x16 cells from GNU Unifont's console font, turned into
// data at build time by font_generator.
#pragma once

#include <cstdint>

namespace gdi {

constexpr int kGlyphWidth = 8;
constexpr int kGlyphHeight = 16;

// One glyph per byte of the ANSI code page, 16 rows, bit 7 the left column.
// Bytes the font has no character for show as '?'.
extern const uint8_t kFontGlyphs[256][kGlyphHeight];

}  // namespace gdi
