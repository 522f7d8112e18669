// The page's events turned into window messages. The browser delivers them
// only while the message loop sleeps, so the handlers note what happened
// and the next pump tells the window, on the loop's own turn.
#include <emscripten.h>
#include <emscripten/html5.h>

#include "platform/window/message_queue.h"
#include "platform/window/screen_host.h"
#include "platform/window/web_canvas.h"
#include "platform/window/web_keys.h"

namespace window {
namespace {

constexpr const char* kCanvas = "#canvas";
// With no timer to wait for, the loop still looks for input this often.
constexpr int kIdleWaitMs = 50;

HostWindow* canvasWindow;
bool sizeChanged;
bool fullScreenLeft;

// Repeat count 1; bit 30: the key was down before; bit 31: it is released.
LPARAM KeyFlags(bool released, bool repeat) {
    DWORD flags = 1;
    if (released || repeat) flags |= 1u << 30;
    if (released) flags |= 1u << 31;
    return static_cast<LPARAM>(flags);
}

// A key the viewer has a code for is the viewer's alone: returning true
// keeps the browser from scrolling, opening help or finding in the page.
EM_BOOL OnKey(int eventType, const EmscriptenKeyboardEvent* key, void*) {
    const WPARAM virtualKey = VirtualKeyOfCode(key->code);
    if (canvasWindow == nullptr || virtualKey == 0) return EM_FALSE;
    // In full screen the browser takes Esc to leave it; the change of full
    // screen brings the key to the viewer, once.
    if (virtualKey == VK_ESCAPE && PageInFullScreen()) return EM_FALSE;
    const bool released = eventType == EMSCRIPTEN_EVENT_KEYUP;
    PostToQueue(canvasWindow->handle, released ? WM_KEYUP : WM_KEYDOWN, virtualKey,
                KeyFlags(released, key->repeat));
    return EM_TRUE;
}

EM_BOOL OnResize(int, const EmscriptenUiEvent*, void*) {
    sizeChanged = true;
    return EM_FALSE;
}

EM_BOOL OnFullScreenChange(int, const EmscriptenFullscreenChangeEvent* change, void*) {
    sizeChanged = true;
    if (!change->isFullscreen) fullScreenLeft = true;
    return EM_FALSE;
}

void ListenToPage() {
    static bool listening = false;
    if (listening) return;
    listening = true;
    emscripten_set_keydown_callback(kCanvas, nullptr, EM_TRUE, OnKey);
    emscripten_set_keyup_callback(kCanvas, nullptr, EM_TRUE, OnKey);
    emscripten_set_resize_callback(EMSCRIPTEN_EVENT_TARGET_WINDOW, nullptr, EM_FALSE, OnResize);
    emscripten_set_fullscreenchange_callback(EMSCRIPTEN_EVENT_TARGET_DOCUMENT, nullptr, EM_FALSE,
                                             OnFullScreenChange);
}

}  // namespace

void SetCanvasWindow(HostWindow* window) {
    canvasWindow = window;
    ListenToPage();
}

void PumpScreenEvents() {
    if (canvasWindow == nullptr) return;
    if (fullScreenLeft && !HasFrame(canvasWindow->style)) {
        // The browser left full screen on its own (Esc, or its own
        // controls): the viewer hears the Esc that takes its frame back.
        PostToQueue(canvasWindow->handle, WM_KEYDOWN, VK_ESCAPE, KeyFlags(false, false));
    }
    fullScreenLeft = false;
    if (sizeChanged) {
        sizeChanged = false;
        ReportClientSize(canvasWindow);
    }
}

void WaitForScreenEvents(std::optional<int> milliseconds) {
    emscripten_sleep(static_cast<unsigned>(milliseconds.value_or(kIdleWaitMs)));
}

}  // namespace window
