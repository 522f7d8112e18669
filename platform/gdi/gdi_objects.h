// The objects behind the GDI handles: pens, brushes, bitmaps, the font and
// device contexts, the stock objects, and the count of live ones.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/gdi/pixel_surface.h"
#include "platform/windows_api.h"

namespace gdi {

enum class ObjectKind : uint8_t { kPen, kBrush, kBitmap, kFont, kDeviceContext };

struct GdiObject {
    explicit GdiObject(ObjectKind kind) : kind(kind) {}
    ObjectKind kind;
    bool stock = false;
    int selections = 0;  // device contexts that hold it
};

enum class PenStyle : uint8_t { kSolid, kDot, kNull };

struct Pen : GdiObject {
    Pen() : GdiObject(ObjectKind::kPen) {}
    PenStyle style = PenStyle::kSolid;
    int width = 0;
    COLORREF color = 0;
    uint32_t pixel = 0;
};

enum class BrushStyle : uint8_t { kSolid, kHatch, kNull };

struct Brush : GdiObject {
    Brush() : GdiObject(ObjectKind::kBrush) {}
    BrushStyle style = BrushStyle::kSolid;
    int hatch = 0;
    COLORREF color = 0;
    uint32_t pixel = 0;
};

struct Bitmap : GdiObject {
    Bitmap() : GdiObject(ObjectKind::kBitmap) {}
    PixelSurface surface{};
    std::unique_ptr<uint32_t[]> storage;  // null when the pixels belong to the host
    // A new bitmap is black, but the frame's upload that follows its creation
    // overwrites every pixel: the clearing waits until something else could
    // see the pixels (RevealPixels).
    bool clearPending = false;
};

struct Font : GdiObject {
    Font() : GdiObject(ObjectKind::kFont) {}
};

struct DeviceContext : GdiObject {
    DeviceContext() : GdiObject(ObjectKind::kDeviceContext) {}
    Pen* pen = nullptr;
    Brush* brush = nullptr;
    Bitmap* bitmap = nullptr;
    Font* font = nullptr;
    uint32_t textPixel = 0;
    uint32_t backgroundPixel = 0;
    int x = 0;
    int y = 0;
    std::unique_ptr<Bitmap> hostBitmap;  // the wrapper of host pixels, if any
};

// Clears a bitmap's pixels if its clearing is still pending; called before
// anything reads or draws into them.
void RevealPixels(Bitmap* bitmap);

Pen* StockPen(int index);
Brush* StockBrush(int index);
Bitmap* StockBitmap();
Font* SystemFont();

// The object behind a handle when it is of the kind asked for, else null.
template <class Object>
Object* As(const void* handle, ObjectKind kind) {
    auto* object = static_cast<GdiObject*>(const_cast<void*>(handle));
    return object && object->kind == kind ? static_cast<Object*>(object) : nullptr;
}
inline DeviceContext* AsDeviceContext(HDC dc) {
    return As<DeviceContext>(dc, ObjectKind::kDeviceContext);
}
inline Bitmap* AsBitmap(HBITMAP bitmap) {
    return As<Bitmap>(bitmap, ObjectKind::kBitmap);
}

template <class Handle>
Handle ToHandle(GdiObject* object) {
    return reinterpret_cast<Handle>(object);
}

// A device context with the defaults of a fresh memory device context,
// counted as live until DestroyDeviceContext.
DeviceContext* NewDeviceContext();
void DestroyDeviceContext(DeviceContext* dc);

// Counts an object the process made; UncountObject when it is destroyed.
void CountObject();
void UncountObject();
DWORD LiveObjectCount();

}  // namespace gdi
