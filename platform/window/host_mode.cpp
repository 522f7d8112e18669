#include "platform/window/host_mode.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "platform/window/headless.h"
#include "platform/window/headless_backend.h"
#include "platform/window/screen_host.h"

namespace {

struct HeadlessMode {
    bool on = false;
    int clientWidth = 0;
    int clientHeight = 0;
};

HeadlessMode headless;

}  // namespace

void UseHeadlessWindows(int clientWidth, int clientHeight) {
    headless = {true, clientWidth, clientHeight};
}

namespace window {

bool IsHeadless() {
    return headless.on;
}

std::unique_ptr<WindowBackend> MakeBackend(HostWindow* owner, const char* title, DWORD style, int x,
                                           int y, int width, int height) {
    if (headless.on) return MakeHeadlessBackend(headless.clientWidth, headless.clientHeight);
    return MakeScreenBackend(owner, title, style, x, y, width, height);
}

void PumpHostEvents() {
    if (!headless.on) PumpScreenEvents();
}

void WaitForHostEvents(std::optional<Clock::time_point> deadline) {
    if (!headless.on) {
        if (!deadline) {
            WaitForScreenEvents(std::nullopt);
            return;
        }
        const auto remaining = *deadline - Clock::now();
        if (remaining <= Clock::duration::zero()) return;
        // Round up, so that the wait never ends just before the deadline and
        // spins through a few empty turns of the loop.
        const auto milliseconds = std::chrono::ceil<std::chrono::milliseconds>(remaining).count();
        WaitForScreenEvents(static_cast<int>(std::min<long long>(milliseconds, 1 << 30)));
        return;
    }
    if (!deadline) {
        // Without a screen only a timer can wake the loop: waiting for
        // anything else would hang the caller for good.
        std::fputs("GetMessageA: no message can arrive without a screen or a timer\n", stderr);
        std::abort();
    }
    std::this_thread::sleep_until(*deadline);
}

}  // namespace window
