// The GDI and USER32 entry points that draw: lines, rectangles and text.
#include <cstring>

#include "platform/gdi/cosmetic_line.h"
#include "platform/gdi/deferred_columns.h"
#include "platform/gdi/font_glyphs.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/glyph_text.h"
#include "platform/gdi/span_fill.h"
#include "platform/gdi/trace_log.h"
#include "platform/gdi/wide_line.h"

using namespace gdi;

namespace {

// The 8x8 hatch patterns, one byte a row, bit 7 the left column.
constexpr uint8_t kHatchPatterns[6][8] = {
    {0xFF, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00},  // HS_HORIZONTAL
    {0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80},  // HS_VERTICAL
    {0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01},  // HS_FDIAGONAL
    {0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80},  // HS_BDIAGONAL
    {0xFF, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80},  // HS_CROSS
    {0x81, 0x42, 0x24, 0x18, 0x18, 0x24, 0x42, 0x81},  // HS_DIAGCROSS
};

// A pen of width 0 or 1 is cosmetic: one pixel whatever its width says.
int PenThickness(const Pen& pen) {
    return pen.width <= 1 ? 1 : pen.width;
}

// The colours of a call.
struct Inks {
    uint32_t pen;
    uint32_t brush;
    uint32_t text;
    uint32_t background;
};

// Draws with draw(surface, inks) into the bitmap and, while fills are held
// back on it, the same pixels into its stamp plane in the call's stamp, so
// that the held-back fills leave what the call drew over them. The kernels
// choose their pixels by geometry alone, whatever the colours; all of them
// lie inside the rectangle area() gives. That is worked out, and the stamp
// asked for, only while fills are held back, which in outline frames they
// never are: for a line the two were a third of what LineTo cost outside its
// kernel.
template <class Area, class Draw>
void DrawAtOnce(const DeviceContext& dc, Area area, Draw draw) {
    draw(dc.bitmap->surface,
         Inks{dc.pen->pixel, dc.brush->pixel, dc.textPixel, dc.backgroundPixel});
    if (!HoldsColumns(dc.bitmap)) return;
    if (const StampPlane* stamps = NextStamp(dc.bitmap, area())) {
        const uint32_t stamp = stamps->stamp;
        draw(stamps->surface, Inks{stamp, stamp, stamp, stamp});
    }
}

void FillWithBrush(const PixelSurface& surface, const Brush& brush, const PixelRect& rect,
                   const Inks& inks) {
    switch (brush.style) {
        case BrushStyle::kSolid:
            FillSolid(surface, rect, inks.brush);
            break;
        case BrushStyle::kHatch:
            FillPattern(surface, rect, kHatchPatterns[brush.hatch], inks.brush, inks.background);
            break;
        case BrushStyle::kNull:
            break;
    }
}

// Filled walls are runs of plumb lines of a wide pen, one a column, left to
// right, in one colour; they are held back until the bitmap is read.
// Whatever is drawn at once while fills are pending is drawn twice (the
// stamps), so fills start being held back only where they pay: from the
// third line of a run of successive columns in one colour. A wall's outline
// never makes one: its plumb edges stand between slanted lines, or all four
// lines share a column. Runs across colours, a wall's edges followed by
// the next seg's plumb line in the seg pen, made one outline frame in
// sixty twice as slow, with every later line stamped. Once fills are
// pending, a plumb line costs less held back than drawn and stamped, so the
// run is only counted until then: counting it on, its tests at every wall's
// first columns were guessed wrong thousands of times a frame. A host's
// pixels are read by the host behind the drawing layer's back, so lines into
// them are drawn at once; a bitmap that holds fills is never a host's.
constexpr int kPlumbRunBeforeDeferring = 2;
int plumbRun = 0;
int lastPlumbX = 0;
uint32_t lastPlumbPixel = 0;

bool DefersLine(const DeviceContext& dc, int x0, int y0, int x1, int y1) {
    const Pen& pen = *dc.pen;
    const bool plumb = pen.style == PenStyle::kSolid && pen.width > 1 && x0 == x1 && y0 != y1;
    if (plumb && HoldsColumns(dc.bitmap)) return true;
    const bool follows = plumb && plumbRun > 0 && int64_t(x0) == int64_t(lastPlumbX) + 1 &&
                         pen.pixel == lastPlumbPixel;
    plumbRun = follows ? plumbRun + 1 : plumb ? 1 : 0;
    lastPlumbX = x0;
    lastPlumbPixel = pen.pixel;
    return plumb && dc.bitmap->storage != nullptr && plumbRun > kPlumbRunBeforeDeferring;
}

// The one-pixel outline covers left <= x < right and top <= y < bottom; a
// wider outline is that frame thickened about its centre, and the brush fills
// what lies inside the one-pixel frame before the outline is drawn over it.
// Without a pen the brush alone covers left <= x < right - 1, as on Windows.
void DrawRectangle(const PixelSurface& surface, const Pen& pen, const Brush& brush,
                   const PixelRect& figure, const Inks& inks) {
    if (pen.style == PenStyle::kNull) {
        FillWithBrush(surface, brush,
                      {figure.left, figure.top, figure.right - 1, figure.bottom - 1}, inks);
        return;
    }
    const int64_t thickness = PenThickness(pen);
    if (thickness == 1 && brush.style == BrushStyle::kSolid) {
        FillOutlinedBox(surface, figure, inks.pen, inks.brush);
        return;
    }
    FillWithBrush(surface, brush,
                  {figure.left + 1, figure.top + 1, figure.right - 1, figure.bottom - 1}, inks);
    const int64_t grow = thickness / 2;
    const int64_t shrink = thickness - 1 - grow;
    FillFrame(
        surface,
        {figure.left - grow, figure.top - grow, figure.right + shrink, figure.bottom + shrink},
        thickness, inks.pen);
}

}  // namespace

BOOL MoveToEx(HDC handle, int x, int y, LPPOINT previous) {
    DeviceContext* dc = AsDeviceContext(handle);
    if (!dc) return FALSE;
    if (TraceOn()) TraceLine("MoveToEx %d %d", x, y);
    if (previous) *previous = {dc->x, dc->y};
    dc->x = x;
    dc->y = y;
    return TRUE;
}

BOOL LineTo(HDC handle, int x, int y) {
    DeviceContext* dc = AsDeviceContext(handle);
    if (!dc) return FALSE;
    if (TraceOn()) TraceLine("LineTo %d %d", x, y);
    const Pen& pen = *dc->pen;
    if (DefersLine(*dc, dc->x, dc->y, x, y)) {
        if (pen.width == 2) {
            DeferPlumbLine(dc->bitmap, x, dc->y, y, pen.pixel);
            dc->x = x;
            dc->y = y;
            return TRUE;
        }
        const StraightBandPixels band = StraightBand(dc->x, dc->y, x, y, pen.width);
        DeferColumnFill(dc->bitmap, band.body, pen.pixel);
        if (!band.arm.Empty()) DeferColumnFill(dc->bitmap, band.arm, pen.pixel);
        dc->x = x;
        dc->y = y;
        return TRUE;
    }
    const int x0 = dc->x;
    const int y0 = dc->y;
    // A wide pen's band and round tips reach at most its width from the line.
    auto area = [&] { return LineBox(x0, y0, x, y, PenThickness(pen)); };
    DrawAtOnce(*dc, area, [&](const PixelSurface& surface, const Inks& inks) {
        switch (pen.style) {
            case PenStyle::kSolid:
                if (pen.width <= 1) {
                    DrawSolidLine(surface, x0, y0, x, y, inks.pen);
                } else {
                    DrawWideLine(surface, x0, y0, x, y, pen.width, inks.pen);
                }
                break;
            case PenStyle::kDot:
                DrawDottedLine(surface, x0, y0, x, y, inks.pen, inks.background);
                break;
            case PenStyle::kNull:
                break;
        }
    });
    dc->x = x;
    dc->y = y;
    return TRUE;
}

BOOL Rectangle(HDC handle, int left, int top, int right, int bottom) {
    DeviceContext* dc = AsDeviceContext(handle);
    if (!dc) return FALSE;
    if (TraceOn()) TraceLine("Rectangle %d %d %d %d", left, top, right, bottom);
    PixelRect figure{std::min(left, right), std::min(top, bottom), std::max(left, right),
                     std::max(top, bottom)};
    if (figure.Empty()) return TRUE;
    auto area = [&] {
        const int64_t reach = PenThickness(*dc->pen);
        return PixelRect{figure.left - reach, figure.top - reach, figure.right + reach,
                         figure.bottom + reach};
    };
    DrawAtOnce(*dc, area, [&](const PixelSurface& surface, const Inks& inks) {
        DrawRectangle(surface, *dc->pen, *dc->brush, figure, inks);
    });
    return TRUE;
}

int DrawTextA(HDC handle, LPCSTR text, int length, LPRECT rect, UINT format) {
    DeviceContext* dc = AsDeviceContext(handle);
    if (!dc || !text || !rect) return 0;
    const int64_t count = length < 0 ? int64_t(strlen(text)) : length;
    if (TraceOn()) TraceText(text, count, *rect, format);
    const PixelRect clip{rect->left, rect->top, rect->right, rect->bottom};
    // The cells, not the rectangle: a partition line's label has a
    // rectangle of 200 by 25 pixels around two to five cells, and the
    // held-back columns under the rest of it need no stamps.
    auto area = [&] { return Intersect(TextCells(rect->left, rect->top, count), clip); };
    DrawAtOnce(*dc, area, [&](const PixelSurface& surface, const Inks& inks) {
        DrawTextCells(surface, clip, rect->left, rect->top, text, count, inks.text,
                      inks.background);
    });
    return kGlyphHeight;
}
