#include <cstdio>

#include "platform/window/host_mode.h"
#include "platform/window/screen_host.h"

namespace {

constexpr int kIdOk = 1;

}  // namespace

// One OK button, whatever the type asks for. Without a screen, or on a host
// without boxes, the box's text goes to standard error, and the user's
// answer is OK all the same.
int MessageBoxA(HWND, LPCSTR text, LPCSTR caption, UINT type) {
    if (window::IsHeadless() || !window::ShowScreenMessageBox(type, caption, text)) {
        std::fprintf(stderr, "%s: %s\n", caption != nullptr ? caption : "Error",
                     text != nullptr ? text : "");
    }
    return kIdOk;
}
