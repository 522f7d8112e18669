#include <map>
#include <string>

#include "platform/window/host_window.h"

namespace window {
namespace {

std::map<std::string, WNDCLASSA>& Classes() {
    static std::map<std::string, WNDCLASSA> classes;
    return classes;
}

// Never destroyed: a window still open when the process ends is released
// by the end of the process, as on Windows, and stays reachable until then
// (leak checkers at exit see it as live, not lost).
std::vector<std::unique_ptr<HostWindow>>& LiveWindows() {
    static auto* windows = new std::vector<std::unique_ptr<HostWindow>>;
    return *windows;
}

}  // namespace

bool AddWindowClass(const WNDCLASSA& windowClass) {
    if (windowClass.lpszClassName == nullptr || windowClass.lpfnWndProc == nullptr) return false;
    return Classes().emplace(windowClass.lpszClassName, windowClass).second;
}

const WNDCLASSA* FindWindowClass(const char* name) {
    if (name == nullptr) return nullptr;
    const auto found = Classes().find(name);
    return found == Classes().end() ? nullptr : &found->second;
}

HostWindow* AddWindow(std::unique_ptr<HostWindow> window) {
    // Handles count up from a value no pointer or small integer takes, so a
    // stale handle never reaches a newer window.
    static uintptr_t lastHandle = 0x10000;
    window->handle = reinterpret_cast<HWND>(++lastHandle);
    LiveWindows().push_back(std::move(window));
    return LiveWindows().back().get();
}

HostWindow* FindWindow(HWND handle) {
    for (const std::unique_ptr<HostWindow>& window : LiveWindows()) {
        if (window->handle == handle) return window.get();
    }
    return nullptr;
}

void RemoveWindow(HWND handle) {
    std::erase_if(LiveWindows(), [handle](const std::unique_ptr<HostWindow>& window) {
        return window->handle == handle;
    });
}

const std::vector<std::unique_ptr<HostWindow>>& Windows() {
    return LiveWindows();
}

void ReportClientSize(HostWindow* window) {
    int width = 0;
    int height = 0;
    window->backend->ClientSize(&width, &height);
    if (width == window->clientWidth && height == window->clientHeight) return;
    window->clientWidth = width;
    window->clientHeight = height;
    window->invalid = true;
    window->erasePending = true;
    constexpr WPARAM kSizeRestored = 0;
    window->procedure(window->handle, WM_SIZE, kSizeRestored, MAKELPARAM(width, height));
}

void DestroyHostWindow(HostWindow* window) {
    const HWND handle = window->handle;
    window->procedure(handle, WM_DESTROY, 0, 0);
    // The procedure may have destroyed the window itself meanwhile.
    window = FindWindow(handle);
    if (window == nullptr) return;
    window->presents.ReportIfAsked();
    if (window->paintDc != nullptr) DeleteDC(window->paintDc);
    RemoveWindow(handle);
}

}  // namespace window
