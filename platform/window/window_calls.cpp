// Classes, window creation and showing, invalidation and the default
// window procedure.
#include "platform/window/host_mode.h"

using namespace window;

ATOM RegisterClassA(const WNDCLASSA* windowClass) {
    static ATOM lastAtom = 0xC000;
    if (windowClass == nullptr || !AddWindowClass(*windowClass)) return 0;
    return ++lastAtom;
}

// Only the system's own icon and cursor exist on this host; their handles
// are the resource numbers.
HICON LoadIconA(HINSTANCE instance, LPCSTR name) {
    if (instance != nullptr) return nullptr;
    return reinterpret_cast<HICON>(const_cast<char*>(name));
}

HCURSOR LoadCursorA(HINSTANCE instance, LPCSTR name) {
    return LoadIconA(instance, name);
}

HWND CreateWindowExA(DWORD, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y,
                     int width, int height, HWND, HMENU, HINSTANCE, LPVOID) {
    const WNDCLASSA* windowClass = FindWindowClass(className);
    if (windowClass == nullptr) return nullptr;
    auto created = std::make_unique<HostWindow>();
    created->procedure = windowClass->lpfnWndProc;
    created->style = style;
    HostWindow* window = AddWindow(std::move(created));
    const HWND handle = window->handle;
    window->backend = MakeBackend(window, windowName, style, x, y, width, height);
    if (window->backend == nullptr) {
        RemoveWindow(handle);
        return nullptr;
    }
    if (window->procedure(handle, WM_CREATE, 0, 0) == -1) {
        DestroyHostWindow(window);
        return nullptr;
    }
    // The window procedure may destroy the window from any message.
    window = FindWindow(handle);
    if (window == nullptr) return nullptr;
    window->visible = (style & WS_VISIBLE) != 0;
    ReportClientSize(window);
    return FindWindow(handle) != nullptr ? handle : nullptr;
}

BOOL ShowWindow(HWND handle, int showCommand) {
    HostWindow* window = FindWindow(handle);
    if (window == nullptr) return FALSE;
    const bool wasVisible = window->visible;
    window->backend->Show(showCommand);
    window->visible = showCommand != SW_HIDE;
    // As on Windows, the style tells whether the window is shown.
    window->style = window->visible ? window->style | WS_VISIBLE : window->style & ~WS_VISIBLE;
    if (window->visible && !wasVisible) {
        window->invalid = true;
        window->erasePending = true;
    }
    ReportClientSize(window);
    return wasVisible ? TRUE : FALSE;
}

BOOL UpdateWindow(HWND handle) {
    HostWindow* window = FindWindow(handle);
    if (window == nullptr) return FALSE;
    if (window->invalid) window->procedure(handle, WM_PAINT, 0, 0);
    return TRUE;
}

BOOL InvalidateRect(HWND handle, const RECT*, BOOL erase) {
    // Every paint draws the whole client area, so the rectangle is not kept.
    HostWindow* window = FindWindow(handle);
    if (window == nullptr) return FALSE;
    window->invalid = true;
    window->erasePending = window->erasePending || erase;
    return TRUE;
}

LRESULT DefWindowProcA(HWND handle, UINT message, WPARAM, LPARAM) {
    switch (message) {
        case WM_CLOSE:
            if (HostWindow* window = FindWindow(handle)) DestroyHostWindow(window);
            return 0;
        case WM_PAINT: {
            PAINTSTRUCT paint;
            BeginPaint(handle, &paint);
            EndPaint(handle, &paint);
            return 0;
        }
        default:
            return 0;
    }
}
