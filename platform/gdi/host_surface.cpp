#include "platform/gdi/host_surface.h"

#include "platform/gdi/deferred_columns.h"
#include "platform/gdi/gdi_objects.h"

using namespace gdi;

HDC CreateHostSurfaceDC(uint32_t* pixels, int width, int height, int strideInPixels) {
    if (width < 0 || height < 0 || strideInPixels < width) return nullptr;
    if (!pixels && width > 0 && height > 0) return nullptr;
    DeviceContext* dc = NewDeviceContext();
    // The wrapper belongs to the device context: stock-like, so DeleteObject
    // leaves it alone, and not counted, since the process never made it.
    dc->hostBitmap = std::make_unique<Bitmap>();
    dc->hostBitmap->stock = true;
    dc->hostBitmap->surface = {pixels, width, height, strideInPixels};
    --dc->bitmap->selections;
    dc->bitmap = dc->hostBitmap.get();
    ++dc->bitmap->selections;
    return ToHandle<HDC>(dc);
}

const uint32_t* BitmapPixels(HBITMAP handle, int* width, int* height, int* stride) {
    Bitmap* bitmap = AsBitmap(handle);
    if (!bitmap) return nullptr;
    RevealPixels(bitmap);
    SettleAllColumns(bitmap);
    if (width) *width = bitmap->surface.width;
    if (height) *height = bitmap->surface.height;
    if (stride) *stride = int(bitmap->surface.stride);
    return bitmap->surface.pixels;
}
