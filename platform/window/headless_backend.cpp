#include "platform/window/headless_backend.h"

#include <algorithm>
#include <vector>

namespace window {
namespace {

// Without a screen there is no frame: the window is its client area.
class HeadlessBackend final : public WindowBackend {
public:
    HeadlessBackend(int clientWidth, int clientHeight) : monitor_{0, 0, clientWidth, clientHeight} {
        Resize(clientWidth, clientHeight);
    }

    void Show(int) override {}
    void ApplyStyle(DWORD) override {}

    void Place(DWORD, int x, int y, int width, int height, bool) override {
        x_ = x;
        y_ = y;
        Resize(width, height);
    }

    RECT WindowRect(DWORD) override { return {x_, y_, x_ + width_, y_ + height_}; }

    void ClientSize(int* width, int* height) override {
        *width = width_;
        *height = height_;
    }

    MonitorArea Monitor() override { return {monitor_, monitor_, true}; }

    BackBuffer Pixels() override { return {pixels_.data(), width_, height_, width_}; }

    void Present() override {}

private:
    void Resize(int width, int height) {
        width = std::max(width, 0);
        height = std::max(height, 0);
        if (width == width_ && height == height_ && !pixels_.empty()) return;
        width_ = width;
        height_ = height;
        pixels_.assign(static_cast<size_t>(width_) * height_, 0);
    }

    RECT monitor_;
    int x_ = 0;
    int y_ = 0;
    int width_ = 0;
    int height_ = 0;
    std::vector<uint32_t> pixels_;
};

}  // namespace

std::unique_ptr<WindowBackend> MakeHeadlessBackend(int clientWidth, int clientHeight) {
    return std::make_unique<HeadlessBackend>(clientWidth, clientHeight);
}

}  // namespace window
