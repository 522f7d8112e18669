// The window's style, place and size, and the monitor it stands on.
#include <vector>

#include "platform/window/host_window.h"

using namespace window;

namespace {

const HWND kNotTopmost = reinterpret_cast<HWND>(static_cast<LONG_PTR>(-2));
constexpr DWORD kPrimaryMonitor = 1;

// The monitors handed out so far; a handle is its index plus one.
std::vector<MonitorArea>& KnownMonitors() {
    static std::vector<MonitorArea> monitors;
    return monitors;
}

bool SameArea(const MonitorArea& a, const MonitorArea& b) {
    const auto same = [](const RECT& x, const RECT& y) {
        return x.left == y.left && x.top == y.top && x.right == y.right && x.bottom == y.bottom;
    };
    return same(a.monitor, b.monitor) && same(a.work, b.work) && a.primary == b.primary;
}

}  // namespace

LONG SetWindowLongA(HWND handle, int index, LONG value) {
    HostWindow* window = FindWindow(handle);
    if (window == nullptr || index != GWL_STYLE) return 0;
    const DWORD previous = window->style;
    window->style = static_cast<DWORD>(value);
    window->backend->ApplyStyle(window->style);
    return static_cast<LONG>(previous);
}

BOOL SetWindowPos(HWND handle, HWND insertAfter, int x, int y, int width, int height, UINT) {
    HostWindow* window = FindWindow(handle);
    if (window == nullptr) return FALSE;
    if (insertAfter == HWND_TOPMOST) window->topmost = true;
    if (insertAfter == kNotTopmost) window->topmost = false;
    window->backend->Place(window->style, x, y, width, height, window->topmost);
    ReportClientSize(window);
    return TRUE;
}

BOOL GetWindowRect(HWND handle, LPRECT rect) {
    HostWindow* window = FindWindow(handle);
    if (window == nullptr || rect == nullptr) return FALSE;
    *rect = window->backend->WindowRect(window->style);
    return TRUE;
}

HMONITOR MonitorFromWindow(HWND handle, DWORD) {
    HostWindow* window = FindWindow(handle);
    if (window == nullptr) return nullptr;
    const MonitorArea area = window->backend->Monitor();
    std::vector<MonitorArea>& monitors = KnownMonitors();
    size_t index = 0;
    while (index < monitors.size() && !SameArea(monitors[index], area)) ++index;
    if (index == monitors.size()) monitors.push_back(area);
    return reinterpret_cast<HMONITOR>(index + 1);
}

BOOL GetMonitorInfoA(HMONITOR monitor, LPMONITORINFO info) {
    const size_t index = reinterpret_cast<size_t>(monitor) - 1;
    if (info == nullptr || info->cbSize < sizeof(MONITORINFO) || index >= KnownMonitors().size()) {
        return FALSE;
    }
    const MonitorArea& area = KnownMonitors()[index];
    info->rcMonitor = area.monitor;
    info->rcWork = area.work;
    info->dwFlags = area.primary ? kPrimaryMonitor : 0;
    return TRUE;
}
