// What reaches the window at a paint.
#include <vector>

#include "tests/app/viewer_window.h"

namespace {

class FramePresentationTest : public ViewerWindowTest {
protected:
    void SetUp() override {
        ViewerWindowTest::SetUp();
        ShowWindow(window, SW_SHOWNORMAL);
    }

    // Resizes the window, paints it and returns the picture and its size.
    std::vector<uint32_t> PaintAt(int w, int h, int* width, int* height) {
        SetWindowPos(window, nullptr, 0, 0, w, h, 0);
        InvalidateRect(window, nullptr, TRUE);
        UpdateWindow(window);
        const uint32_t* pixels = WindowPixels(window, width, height);
        if (pixels == nullptr) return {};
        return {pixels, pixels + static_cast<size_t>(*width) * *height};
    }
};

TEST_F(FramePresentationTest, FrameAfterAResizeIsExactlyTheNewClientSizeWithItsOutline) {
    for (const auto& [w, h] : {std::pair{kWidth, kHeight}, {1000, 700}, {210, 90}}) {
        SCOPED_TRACE(testing::Message() << w << " x " << h);
        int width = 0, height = 0;
        const std::vector<uint32_t> frame = PaintAt(w, h, &width, &height);
        ASSERT_EQ(width, w);
        ASSERT_EQ(height, h);
        // One black pixel along each edge of the client area.
        for (const auto& [x, y] :
             {std::pair{0, h / 2}, {w - 1, h / 2}, {w / 2, h - 1}, {w - 1, h - 1}}) {
            EXPECT_EQ(frame[static_cast<size_t>(y) * w + x], 0u) << x << "," << y;
        }
        // The white background just inside the lower corners, where a frame
        // laid out at another width would not put it.
        for (const int x : {1, w - 2}) EXPECT_EQ(frame[size_t(h - 2) * w + x], 0xFFFFFFu) << x;
    }
}

}  // namespace
