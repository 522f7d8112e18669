// The message loop's side of the Windows API: posted messages first, then
// the quit message, then paints, then timers, so that paints and timer
// ticks come only when nothing else waits and never pile up.
#include <algorithm>
#include <deque>

#include "platform/window/host_mode.h"
#include "platform/window/message_queue.h"

namespace window {
namespace {

struct QuitRequest {
    bool posted = false;
    int exitCode = 0;
};

std::deque<MSG> posted;
QuitRequest quit;

DWORD MessageTime() {
    using std::chrono::duration_cast;
    using std::chrono::milliseconds;
    return static_cast<DWORD>(duration_cast<milliseconds>(Clock::now().time_since_epoch()).count());
}

MSG MakeMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return {window, message, wParam, lParam, MessageTime(), {0, 0}};
}

HostWindow* WindowToPaint() {
    for (const std::unique_ptr<HostWindow>& window : Windows()) {
        if (window->visible && !window->minimized && window->invalid) return window.get();
    }
    return nullptr;
}

// The earliest timer of any window, or null when there is none.
std::pair<HostWindow*, Timer*> EarliestTimer() {
    std::pair<HostWindow*, Timer*> earliest{nullptr, nullptr};
    for (const std::unique_ptr<HostWindow>& window : Windows()) {
        for (Timer& timer : window->timers) {
            if (earliest.second == nullptr || timer.due < earliest.second->due) {
                earliest = {window.get(), &timer};
            }
        }
    }
    return earliest;
}

bool TakeDueTimer(MSG* message) {
    const auto [window, timer] = EarliestTimer();
    const Clock::time_point now = Clock::now();
    if (timer == nullptr || timer->due > now) return false;
    *message = MakeMessage(window->handle, WM_TIMER, timer->id, 0);
    // The timer keeps its own beat, and one tick stands for every beat that
    // passed while the thread was busy: a slow frame lowers the rate
    // instead of queueing ticks.
    const auto beatsPassed = (now - timer->due) / timer->period + 1;
    timer->due += beatsPassed * timer->period;
    return true;
}

std::optional<Clock::time_point> NextTimerDue() {
    const Timer* timer = EarliestTimer().second;
    if (timer == nullptr) return std::nullopt;
    return timer->due;
}

}  // namespace

void PostToQueue(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    posted.push_back(MakeMessage(window, message, wParam, lParam));
}

void PostMouseMove(HWND window, LPARAM position) {
    if (!posted.empty() && posted.back().message == WM_MOUSEMOVE && posted.back().hwnd == window) {
        posted.back() = MakeMessage(window, WM_MOUSEMOVE, 0, position);
        return;
    }
    PostToQueue(window, WM_MOUSEMOVE, 0, position);
}

}  // namespace window

using namespace window;

// Every message of the thread: the window and range filters are not read.
BOOL GetMessageA(LPMSG message, HWND, UINT, UINT) {
    for (;;) {
        PumpHostEvents();
        if (!posted.empty()) {
            *message = posted.front();
            posted.pop_front();
            return TRUE;
        }
        if (quit.posted) {
            quit.posted = false;
            *message = MakeMessage(nullptr, WM_QUIT, static_cast<WPARAM>(quit.exitCode), 0);
            return FALSE;
        }
        if (HostWindow* window = WindowToPaint()) {
            *message = MakeMessage(window->handle, WM_PAINT, 0, 0);
            return TRUE;
        }
        if (TakeDueTimer(message)) return TRUE;
        WaitForHostEvents(NextTimerDue());
    }
}

BOOL TranslateMessage(const MSG*) {
    // No character messages: the viewer reads virtual keys only.
    return FALSE;
}

LRESULT DispatchMessageA(const MSG* message) {
    HostWindow* window = FindWindow(message->hwnd);
    if (window == nullptr) return 0;
    return window->procedure(message->hwnd, message->message, message->wParam, message->lParam);
}

void PostQuitMessage(int exitCode) {
    quit = {true, exitCode};
}

UINT_PTR SetTimer(HWND handle, UINT_PTR id, UINT milliseconds, TIMERPROC callback) {
    HostWindow* window = FindWindow(handle);
    // The viewer's timers tick through its window procedure; a callback
    // would never be called, so such a timer is refused.
    if (window == nullptr || callback != nullptr) return 0;
    // Windows raises a shorter period to its 10 ms minimum.
    constexpr UINT kMinimumPeriodMs = 10;
    const Clock::duration period =
        std::chrono::milliseconds(std::max(milliseconds, kMinimumPeriodMs));
    const Timer timer{id, period, Clock::now() + period};
    for (Timer& existing : window->timers) {
        if (existing.id == id) {
            existing = timer;
            return id;
        }
    }
    window->timers.push_back(timer);
    return id;
}
