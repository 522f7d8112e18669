// What a window needs from whatever shows it: an SDL window on a screen, or
// a block of memory when there is no screen.
#pragma once

#include <cstdint>

#include "platform/windows_api.h"

namespace window {

// Style bits the host reads to decide on the frame.
constexpr DWORD kCaptionStyle = 0x00C00000;       // WS_CAPTION: title bar and border
constexpr DWORD kSizingBorderStyle = 0x00040000;  // WS_THICKFRAME

inline bool HasFrame(DWORD style) {
    return (style & kCaptionStyle) == kCaptionStyle;
}

// The pixels a paint draws into: 0x00RRGGBB words, rows stride pixels apart.
struct BackBuffer {
    uint32_t* pixels;
    int width;
    int height;
    int stride;

    bool operator==(const BackBuffer&) const = default;
};

struct MonitorArea {
    RECT monitor;
    RECT work;
    bool primary;
};

class WindowBackend {
public:
    virtual ~WindowBackend() = default;

    virtual void Show(int showCommand) = 0;
    virtual void ApplyStyle(DWORD style) = 0;
    // Moves and sizes the whole window, its frame included (when style has
    // one), and raises it above every other window when topmost is set.
    virtual void Place(DWORD style, int x, int y, int width, int height, bool topmost) = 0;
    // The whole window, frame included, in screen coordinates.
    virtual RECT WindowRect(DWORD style) = 0;
    virtual void ClientSize(int* width, int* height) = 0;
    virtual MonitorArea Monitor() = 0;
    // Valid until the next Present or size change.
    virtual BackBuffer Pixels() = 0;
    // Brings what was drawn into Pixels to the screen.
    virtual void Present() = 0;
};

}  // namespace window
