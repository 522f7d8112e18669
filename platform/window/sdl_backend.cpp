#include "platform/window/sdl_backend.h"

#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "platform/window/screen_host.h"

namespace window {
namespace {

constexpr const char* kOwnerKey = "vellumtarn.window";

// Show commands that differ from a plain show.
constexpr int kShowMaximized = 3;
constexpr int kMinimize = 6;
constexpr int kShowMinNoActive = 7;
constexpr int kRestore = 9;
constexpr int kForceMinimize = 11;

struct Borders {
    int top = 0;
    int left = 0;
    int bottom = 0;
    int right = 0;

    bool Empty() const { return top == 0 && left == 0 && bottom == 0 && right == 0; }
    bool operator==(const Borders&) const = default;
};

class SdlBackend final : public WindowBackend {
public:
    explicit SdlBackend(SDL_Window* window) : window_(window) {}

    ~SdlBackend() override {
        if (staging_ != nullptr) SDL_FreeSurface(staging_);
        SDL_DestroyWindow(window_);
    }

    void Show(int showCommand) override {
        if (showCommand == SW_HIDE) {
            SDL_HideWindow(window_);
            return;
        }
        SDL_ShowWindow(window_);
        switch (showCommand) {
            case SW_SHOWMINIMIZED:
            case kMinimize:
            case kShowMinNoActive:
            case kForceMinimize:
                SDL_MinimizeWindow(window_);
                break;
            case kShowMaximized:
                SDL_MaximizeWindow(window_);
                break;
            case kRestore:
                SDL_RestoreWindow(window_);
                break;
            default:
                break;
        }
    }

    void ApplyStyle(DWORD style) override {
        const bool framed = HasFrame(style);
        // Sizing first: a window manager draws the frame to fit it.
        SDL_SetWindowResizable(window_, (style & kSizingBorderStyle) ? SDL_TRUE : SDL_FALSE);
        SDL_SetWindowBordered(window_, framed ? SDL_TRUE : SDL_FALSE);
        AwaitFrame(framed);
    }

    void Place(DWORD, int x, int y, int width, int height, bool topmost) override {
        const Borders borders = FrameBorders();
        SDL_SetWindowAlwaysOnTop(window_, topmost ? SDL_TRUE : SDL_FALSE);
        SDL_SetWindowSize(window_, std::max(width - borders.left - borders.right, 1),
                          std::max(height - borders.top - borders.bottom, 1));
        // SDL places the client area; Windows places the frame around it.
        SDL_SetWindowPosition(window_, x + borders.left, y + borders.top);
    }

    RECT WindowRect(DWORD) override {
        const Borders borders = FrameBorders();
        int x = 0;
        int y = 0;
        int width = 0;
        int height = 0;
        SDL_GetWindowPosition(window_, &x, &y);
        SDL_GetWindowSize(window_, &width, &height);
        return {x - borders.left, y - borders.top, x + width + borders.right,
                y + height + borders.bottom};
    }

    void ClientSize(int* width, int* height) override { SDL_GetWindowSize(window_, width, height); }

    MonitorArea Monitor() override {
        const int display = std::max(SDL_GetWindowDisplayIndex(window_), 0);
        SDL_Rect bounds{};
        SDL_Rect usable{};
        SDL_GetDisplayBounds(display, &bounds);
        SDL_GetDisplayUsableBounds(display, &usable);
        return {RectOf(bounds), RectOf(usable), display == 0};
    }

    BackBuffer Pixels() override {
        SDL_Surface* screen = SDL_GetWindowSurface(window_);
        if (screen == nullptr) return {};
        const uint32_t format = screen->format->format;
        useStaging_ = format != SDL_PIXELFORMAT_RGB888 && format != SDL_PIXELFORMAT_ARGB8888;
        if (!useStaging_) return BufferOf(screen);
        // A screen that does not keep 0x00RRGGBB words: draw into a surface
        // that does, and let SDL convert at present.
        if (staging_ == nullptr || staging_->w != screen->w || staging_->h != screen->h) {
            if (staging_ != nullptr) SDL_FreeSurface(staging_);
            staging_ =
                SDL_CreateRGBSurfaceWithFormat(0, screen->w, screen->h, 32, SDL_PIXELFORMAT_RGB888);
            if (staging_ == nullptr) return {};
        }
        return BufferOf(staging_);
    }

    void Present() override {
        if (useStaging_ && staging_ != nullptr) {
            SDL_BlitSurface(staging_, nullptr, SDL_GetWindowSurface(window_), nullptr);
        }
        SDL_UpdateWindowSurface(window_);
    }

private:
    static RECT RectOf(const SDL_Rect& r) { return {r.x, r.y, r.x + r.w, r.y + r.h}; }

    static BackBuffer BufferOf(SDL_Surface* surface) {
        return {static_cast<uint32_t*>(surface->pixels), surface->w, surface->h,
                surface->pitch / 4};
    }

    // The frame as the window manager last reported it; SDL places windows
    // by the same figures.
    Borders FrameBorders() {
        Borders borders;
        SDL_GetWindowBordersSize(window_, &borders.top, &borders.left, &borders.bottom,
                                 &borders.right);
        return borders;
    }

    // The window manager adds or removes the frame a moment after the style
    // changes, sometimes in steps. Placing the window before the frame
    // settled would place it by the old one, so wait until the frame fits
    // the style and has held still for a while; without a window manager
    // nothing comes and the wait runs out.
    void AwaitFrame(bool framed) {
        using Clock = std::chrono::steady_clock;
        constexpr auto kSettled = std::chrono::milliseconds(50);
        const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(500);
        Borders last = FrameBorders();
        Clock::time_point lastChange = Clock::now();
        while (Clock::now() < deadline) {
            SDL_Delay(1);
            SDL_PumpEvents();
            const Borders now = FrameBorders();
            if (!(now == last)) {
                last = now;
                lastChange = Clock::now();
            }
            if (now.Empty() != framed && Clock::now() - lastChange >= kSettled) return;
        }
    }

    SDL_Window* window_;
    SDL_Surface* staging_ = nullptr;
    bool useStaging_ = false;
};

}  // namespace

void StartSdlVideo() {
    static bool started = false;
    if (started) return;
    // Signals end the process as usual rather than arriving as SDL_QUIT,
    // and the window's pixels go to the screen without a GL detour.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "Cannot open a window: %s\n", SDL_GetError());
        std::exit(1);
    }
    started = true;
}

// CW_USEDEFAULT lets the host choose position and size (three quarters of
// the desktop, as Windows does). Explicit sizes are taken as the client
// size, since the frame is unknown before the window exists.
std::unique_ptr<WindowBackend> MakeScreenBackend(HostWindow* owner, const char* title, DWORD style,
                                                 int x, int y, int width, int height) {
    StartSdlVideo();
    if (width == CW_USEDEFAULT) {
        SDL_Rect usable{0, 0, 1024, 768};
        SDL_GetDisplayUsableBounds(0, &usable);
        width = usable.w * 3 / 4;
        height = usable.h * 3 / 4;
    }
    if (x == CW_USEDEFAULT) {
        x = SDL_WINDOWPOS_UNDEFINED;
        y = SDL_WINDOWPOS_UNDEFINED;
    }
    Uint32 flags = 0;
    if (!(style & WS_VISIBLE)) flags |= SDL_WINDOW_HIDDEN;
    if (!HasFrame(style)) flags |= SDL_WINDOW_BORDERLESS;
    if (style & kSizingBorderStyle) flags |= SDL_WINDOW_RESIZABLE;
    SDL_Window* window = SDL_CreateWindow(title != nullptr ? title : "", x, y, std::max(width, 1),
                                          std::max(height, 1), flags);
    if (window == nullptr) {
        std::fprintf(stderr, "CreateWindowExA: %s\n", SDL_GetError());
        return nullptr;
    }
    SDL_SetWindowData(window, kOwnerKey, owner);
    return std::make_unique<SdlBackend>(window);
}

HostWindow* HostWindowOf(uint32_t sdlWindowId) {
    SDL_Window* window = SDL_GetWindowFromID(sdlWindowId);
    if (window == nullptr) return nullptr;
    return static_cast<HostWindow*>(SDL_GetWindowData(window, kOwnerKey));
}

}  // namespace window
