// The GDI entry points that make, select and delete objects.
#include "platform/gdi/deferred_columns.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/pixel_blocks.h"
#include "platform/gdi/trace_log.h"

using namespace gdi;

namespace {

constexpr int kWidestPen = 3;
const HANDLE kCurrentProcess = reinterpret_cast<HANDLE>(intptr_t(-1));

GdiObject* AsObject(HGDIOBJ handle) {
    return static_cast<GdiObject*>(handle);
}

// Returns the previous object as a GdiObject, the type every handle is made from.
template <class Object>
GdiObject* Swap(Object*& slot, Object* incoming) {
    Object* previous = slot;
    --previous->selections;
    ++incoming->selections;
    slot = incoming;
    return previous;
}

}  // namespace

HPEN CreatePen(int style, int width, COLORREF color) {
    if ((style != PS_SOLID && style != PS_DOT) || width < 0 || width > kWidestPen) return nullptr;
    auto* pen = new Pen;
    // As on Windows, only a one-pixel pen keeps a dot style.
    pen->style = style == PS_DOT && width <= 1 ? PenStyle::kDot : PenStyle::kSolid;
    pen->width = width;
    pen->color = color;
    pen->pixel = PixelFromColor(color);
    CountObject();
    return ToHandle<HPEN>(pen);
}

HBRUSH CreateHatchBrush(int hatch, COLORREF color) {
    if (hatch < HS_HORIZONTAL || hatch > HS_DIAGCROSS) return nullptr;
    auto* brush = new Brush;
    brush->style = BrushStyle::kHatch;
    brush->hatch = hatch;
    brush->color = color;
    brush->pixel = PixelFromColor(color);
    CountObject();
    return ToHandle<HBRUSH>(brush);
}

HGDIOBJ GetStockObject(int index) {
    if (Pen* pen = StockPen(index)) return static_cast<GdiObject*>(pen);
    if (Brush* brush = StockBrush(index)) return static_cast<GdiObject*>(brush);
    if (index == SYSTEM_FONT) return static_cast<GdiObject*>(SystemFont());
    return nullptr;
}

BOOL DeleteObject(HGDIOBJ handle) {
    GdiObject* object = AsObject(handle);
    if (!object || object->kind == ObjectKind::kDeviceContext) return FALSE;
    if (object->stock) return TRUE;
    if (object->selections > 0) return FALSE;
    switch (object->kind) {
        case ObjectKind::kPen:
            delete static_cast<Pen*>(object);
            break;
        case ObjectKind::kBrush:
            delete static_cast<Brush*>(object);
            break;
        case ObjectKind::kBitmap: {
            auto* bitmap = static_cast<Bitmap*>(object);
            DropColumns(bitmap);
            GiveBackPixelBlock(std::move(bitmap->storage),
                               size_t(bitmap->surface.stride) * size_t(bitmap->surface.height));
            delete bitmap;
            break;
        }
        case ObjectKind::kFont:
            delete static_cast<Font*>(object);
            break;
        case ObjectKind::kDeviceContext:
            break;
    }
    UncountObject();
    return TRUE;
}

HGDIOBJ SelectObject(HDC handle, HGDIOBJ objectHandle) {
    DeviceContext* dc = AsDeviceContext(handle);
    GdiObject* object = AsObject(objectHandle);
    if (!dc || !object) return nullptr;
    if (TraceOn()) TraceSelection(object);
    switch (object->kind) {
        case ObjectKind::kPen:
            return Swap(dc->pen, static_cast<Pen*>(object));
        case ObjectKind::kBrush:
            return Swap(dc->brush, static_cast<Brush*>(object));
        case ObjectKind::kFont:
            return Swap(dc->font, static_cast<Font*>(object));
        case ObjectKind::kBitmap: {
            auto* bitmap = static_cast<Bitmap*>(object);
            // A bitmap other than the stock one lives in one device context at a time.
            if (bitmap != dc->bitmap && bitmap != StockBitmap() && bitmap->selections > 0) {
                return nullptr;
            }
            RevealPixels(bitmap);
            return Swap(dc->bitmap, bitmap);
        }
        case ObjectKind::kDeviceContext:
            return nullptr;
    }
    return nullptr;
}

HBITMAP CreateCompatibleBitmap(HDC, int width, int height) {
    if (width < 0 || height < 0) return nullptr;
    const ptrdiff_t stride = RowStride(width);
    std::unique_ptr<uint32_t[]> pixels = TakePixelBlock(size_t(stride) * size_t(height));
    if (!pixels) return nullptr;
    auto* bitmap = new Bitmap;
    bitmap->surface = {pixels.get(), width, height, stride};
    bitmap->storage = std::move(pixels);
    bitmap->clearPending = true;
    CountObject();
    return ToHandle<HBITMAP>(bitmap);
}

// Every device context here draws into memory: a memory device context
// compatible with any of them, or with the screen (null), is the same.
HDC CreateCompatibleDC(HDC) {
    return ToHandle<HDC>(NewDeviceContext());
}

BOOL DeleteDC(HDC handle) {
    DeviceContext* dc = AsDeviceContext(handle);
    if (!dc) return FALSE;
    DestroyDeviceContext(dc);
    return TRUE;
}

HANDLE GetCurrentProcess() {
    return kCurrentProcess;
}

DWORD GetGuiResources(HANDLE process, DWORD flags) {
    return process == kCurrentProcess && flags == GR_GDIOBJECTS ? LiveObjectCount() : 0;
}
