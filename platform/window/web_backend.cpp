// A window on a web page: its client area is the page's canvas, sized by
// the page's layout, and its unframed style is the browser's full screen.
#include <emscripten.h>

#include <vector>

#include "platform/window/screen_host.h"
#include "platform/window/web_canvas.h"

// The canvas's laid-out size in CSS pixels: the client size.
EM_JS(void, ReadCanvasSize, (int* width, int* height), {
    var box = Module.canvas.getBoundingClientRect();
    HEAP32[width >> 2] = Math.max(1, Math.floor(box.width));
    HEAP32[height >> 2] = Math.max(1, Math.floor(box.height));
});

EM_JS(void, ReadScreenSize, (int* width, int* height), {
    HEAP32[width >> 2] = screen.width;
    HEAP32[height >> 2] = screen.height;
});

// The page's own layout takes the canvas over the whole browser window
// when unframed; full screen comes on top where the browser grants it
// (it may refuse a request that no click or key press led to).
EM_JS(void, ShowPageUnframed, (bool unframed), {
    document.body.classList.toggle('unframed', unframed);
    if (unframed && !document.fullscreenElement) {
        Module.canvas.requestFullscreen().catch(function(){});
    } else if (!unframed && document.fullscreenElement) {
        document.exitFullscreen().catch(function(){});
    }
});

EM_JS(bool, IsPageInFullScreen, (), { return !!document.fullscreenElement; });

// One copy per frame into an image kept between frames; the image and the
// views over the pixels are made again only when the size or the place of
// the pixels changes (memory growth moves the heap).
EM_JS(void, PutCanvasPixels, (const uint32_t* pixels, int width, int height), {
    var frame = Module.vellumtarnFrame;
    var count = width * height;
    if (!frame || frame.pixels != pixels || frame.count != count || frame.width != width ||
        frame.source.buffer != HEAPU32.buffer) {
        var canvas = Module.canvas;
        canvas.width = width;
        canvas.height = height;
        var context = canvas.getContext('2d', {alpha : false});
        var image = context.createImageData(width, height);
        frame = Module.vellumtarnFrame = {
            pixels : pixels,
            count : count,
            width : width,
            context : context,
            image : image,
            rgba : new Uint32Array(image.data.buffer),
            source : HEAPU32.subarray(pixels >> 2, (pixels >> 2) + count)
        };
    }
    var source = frame.source;
    var rgba = frame.rgba;
    // A 0x00RRGGBB word is bytes B, G, R, 0 in memory; the image wants
    // R, G, B, A, which read as a little-endian word is 0xAABBGGRR.
    for (var i = 0; i < count; i++) {
        var p = source[i];
        rgba[i] = 0xFF000000 | (p & 0xFF00) | ((p >>> 16) & 0xFF) | ((p & 0xFF) << 16);
    }
    frame.context.putImageData(frame.image, 0, 0);
});

namespace window {
namespace {

class CanvasBackend final : public WindowBackend {
public:
    explicit CanvasBackend(HostWindow* owner) {
        SetCanvasWindow(owner);
        ReadCanvasSize(&width_, &height_);
    }

    ~CanvasBackend() override { SetCanvasWindow(nullptr); }

    // The page is always shown; a hidden or minimised canvas has nothing
    // the viewer could tell apart.
    void Show(int) override {}

    void ApplyStyle(DWORD style) override { ShowPageUnframed(!HasFrame(style)); }

    // The page lays the canvas out: the window's place and size follow the
    // browser window, whatever the viewer asks for.
    void Place(DWORD, int, int, int, int, bool) override {}

    RECT WindowRect(DWORD) override { return {0, 0, width_, height_}; }

    void ClientSize(int* width, int* height) override {
        ReadCanvasSize(&width_, &height_);
        *width = width_;
        *height = height_;
    }

    MonitorArea Monitor() override {
        RECT screen{0, 0, 0, 0};
        ReadScreenSize(&screen.right, &screen.bottom);
        return {screen, screen, true};
    }

    // Sized as the viewer last heard, so that a paint fills exactly the
    // client area its WM_SIZE named.
    BackBuffer Pixels() override {
        const size_t count = static_cast<size_t>(width_) * height_;
        if (pixels_.size() != count) pixels_.assign(count, 0);
        return {pixels_.data(), width_, height_, width_};
    }

    void Present() override { PutCanvasPixels(pixels_.data(), width_, height_); }

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<uint32_t> pixels_;
};

}  // namespace

std::unique_ptr<WindowBackend> MakeScreenBackend(HostWindow* owner, const char*, DWORD, int, int,
                                                 int, int) {
    return std::make_unique<CanvasBackend>(owner);
}

bool PageInFullScreen() {
    return IsPageInFullScreen();
}

// The page has no boxes that would not stop it: the text goes to the
// page's console instead.
bool ShowScreenMessageBox(UINT, const char*, const char*) {
    return false;
}

}  // namespace window
