#include "platform/gdi/gdi_objects.h"

#include <algorithm>

namespace gdi {

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

DWORD liveObjects = 0;

template <class Object>
Object* MakeStock(Object* object) {
    object->stock = true;
    return object;
}

Pen* MakeStockPen(PenStyle style, COLORREF color) {
    auto* pen = MakeStock(new Pen);
    pen->style = style;
    pen->color = color;
    pen->pixel = PixelFromColor(color);
    return pen;
}

Brush* MakeStockBrush(BrushStyle style, COLORREF color) {
    auto* brush = MakeStock(new Brush);
    brush->style = style;
    brush->color = color;
    brush->pixel = PixelFromColor(color);
    return brush;
}

}  // namespace

void RevealPixels(Bitmap* bitmap) {
    if (!bitmap->clearPending) return;
    bitmap->clearPending = false;
    const PixelSurface& surface = bitmap->surface;
    for (int y = 0; y < surface.height; ++y) std::fill_n(surface.Row(y), surface.width, 0u);
}

// Stock objects live as long as the process, as on Windows.
Pen* StockPen(int index) {
    static Pen* const black = MakeStockPen(PenStyle::kSolid, kBlack);
    static Pen* const white = MakeStockPen(PenStyle::kSolid, kWhite);
    static Pen* const none = MakeStockPen(PenStyle::kNull, kBlack);
    switch (index) {
        case BLACK_PEN:
            return black;
        case WHITE_PEN:
            return white;
        case NULL_PEN:
            return none;
        default:
            return nullptr;
    }
}

Brush* StockBrush(int index) {
    static Brush* const white = MakeStockBrush(BrushStyle::kSolid, kWhite);
    static Brush* const black = MakeStockBrush(BrushStyle::kSolid, kBlack);
    static Brush* const none = MakeStockBrush(BrushStyle::kNull, kBlack);
    switch (index) {
        case WHITE_BRUSH:
            return white;
        case BLACK_BRUSH:
            return black;
        case NULL_BRUSH:
            return none;
        default:
            return nullptr;
    }
}

// The 1x1 bitmap every fresh memory device context starts with.
Bitmap* StockBitmap() {
    static Bitmap* const bitmap = [] {
        static uint32_t pixel = 0;
        auto* stock = MakeStock(new Bitmap);
        stock->surface = {&pixel, 1, 1, 1};
        return stock;
    }();
    return bitmap;
}

Font* SystemFont() {
    static Font* const font = MakeStock(new Font);
    return font;
}

DeviceContext* NewDeviceContext() {
    auto* dc = new DeviceContext;
    dc->pen = StockPen(BLACK_PEN);
    dc->brush = StockBrush(WHITE_BRUSH);
    dc->bitmap = StockBitmap();
    dc->font = SystemFont();
    dc->textPixel = PixelFromColor(kBlack);
    dc->backgroundPixel = PixelFromColor(kWhite);
    for (GdiObject* held :
         {static_cast<GdiObject*>(dc->pen), static_cast<GdiObject*>(dc->brush),
          static_cast<GdiObject*>(dc->bitmap), static_cast<GdiObject*>(dc->font)}) {
        ++held->selections;
    }
    CountObject();
    return dc;
}

void DestroyDeviceContext(DeviceContext* dc) {
    --dc->pen->selections;
    --dc->brush->selections;
    --dc->bitmap->selections;
    --dc->font->selections;
    delete dc;
    UncountObject();
}

void CountObject() {
    ++liveObjects;
}
void UncountObject() {
    --liveObjects;
}
DWORD LiveObjectCount() {
    return liveObjects;
}

}  // namespace gdi
