// Painting: the device context over the window's back buffer, and the
// frame's way to the screen.
#include "platform/gdi/host_surface.h"
#include "platform/window/headless.h"
#include "platform/window/host_window.h"

using namespace window;

namespace {

// The context is kept while the back buffer stays where it is, so that a
// paint allocates nothing.
HDC PaintDc(HostWindow* window) {
    const BackBuffer buffer = window->backend->Pixels();
    if (window->paintDc != nullptr && buffer == window->paintBuffer) return window->paintDc;
    if (window->paintDc != nullptr) DeleteDC(window->paintDc);
    window->paintBuffer = buffer;
    window->paintDc = buffer.pixels != nullptr ? CreateHostSurfaceDC(buffer.pixels, buffer.width,
                                                                     buffer.height, buffer.stride)
                                               : nullptr;
    return window->paintDc;
}

}  // namespace

HDC BeginPaint(HWND handle, LPPAINTSTRUCT paint) {
    HostWindow* window = FindWindow(handle);
    if (window == nullptr || paint == nullptr) return nullptr;
    window->invalid = false;
    const bool erase = window->erasePending;
    window->erasePending = false;
    const HDC dc = PaintDc(window);
    *paint = {};
    paint->hdc = dc;
    paint->rcPaint = {0, 0, window->paintBuffer.width, window->paintBuffer.height};
    // The window procedure is asked to erase first; the background stays
    // unerased when it says it did.
    paint->fErase =
        erase && window->procedure(handle, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0) == 0;
    return dc;
}

BOOL EndPaint(HWND handle, const PAINTSTRUCT*) {
    HostWindow* window = FindWindow(handle);
    if (window == nullptr) return FALSE;
    window->backend->Present();
    window->presents.Count(window->paintBuffer.width, window->paintBuffer.height);
    return TRUE;
}

const uint32_t* WindowPixels(HWND handle, int* width, int* height) {
    HostWindow* window = FindWindow(handle);
    if (window == nullptr) return nullptr;
    const BackBuffer buffer = window->backend->Pixels();
    if (buffer.stride != buffer.width) return nullptr;
    if (width != nullptr) *width = buffer.width;
    if (height != nullptr) *height = buffer.height;
    return buffer.pixels;
}
