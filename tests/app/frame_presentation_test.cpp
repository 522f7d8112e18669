// What reaches the window at a paint.
#include <cstring>
#include <vector>

#include "tests/app/viewer_window.h"

namespace {

constexpr uint32_t kBlack = 0x000000;

struct Frame {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;

    uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

class FramePresentationTest : public ViewerWindowTest {
protected:
    void SetUp() override {
        ViewerWindowTest::SetUp();
        ShowWindow(window, SW_SHOWNORMAL);
    }

    Frame Paint() {
        InvalidateRect(window, nullptr, TRUE);
        UpdateWindow(window);
        Frame frame;
        const uint32_t* pixels = WindowPixels(window, &frame.width, &frame.height);
        if (pixels != nullptr) {
            frame.pixels.assign(pixels, pixels + static_cast<size_t>(frame.width) * frame.height);
        }
        return frame;
    }
};

// The cleared frame has a one-pixel black outline along the client area's
// four edges.
void ExpectOutlineAlongTheEdges(const Frame& frame) {
    const int midX = frame.width / 2;
    const int midY = frame.height / 2;
    EXPECT_EQ(frame.At(0, midY), kBlack);
    EXPECT_EQ(frame.At(frame.width - 1, midY), kBlack);
    EXPECT_EQ(frame.At(midX, frame.height - 1), kBlack);
    EXPECT_EQ(frame.At(frame.width - 1, frame.height - 1), kBlack);
}

TEST_F(FramePresentationTest, FirstFrameShowsTheStatusLineInItsTopRows) {
    const Frame frame = Paint();
    ASSERT_EQ(frame.width, kWidth);
    ASSERT_EQ(frame.height, kHeight);
    ExpectOutlineAlongTheEdges(frame);
    int textPixels = 0;
    for (int y = 1; y < 17; ++y) {
        for (int x = 1; x < 300; ++x) textPixels += frame.At(x, y) == kBlack;
    }
    EXPECT_GT(textPixels, 100) << "MaxDepth 100 MaxDraw 250 Player (50,50)";
}

TEST_F(FramePresentationTest, FrameAfterAResizeIsExactlyTheNewClientSize) {
    SetWindowPos(window, nullptr, 0, 0, 1000, 700, 0);
    Frame frame = Paint();
    ASSERT_EQ(frame.width, 1000);
    ASSERT_EQ(frame.height, 700);
    ExpectOutlineAlongTheEdges(frame);

    SetWindowPos(window, nullptr, 0, 0, 210, 90, 0);
    frame = Paint();
    ASSERT_EQ(frame.width, 210);
    ASSERT_EQ(frame.height, 90);
    ExpectOutlineAlongTheEdges(frame);
}

TEST_F(FramePresentationTest, FrameStoreGrowsWithTheClientAreaAndNeverShows) {
    const Frame first = Paint();
    SetWindowPos(window, nullptr, 0, 0, 800, 500, 0);
    Paint();
    ASSERT_NE(frameStore, nullptr);
    // The store holds at least the new client area: filling it all is safe.
    std::memset(frameStore, 0x5A, static_cast<size_t>(800) * 500 * 4);
    SetWindowPos(window, nullptr, 0, 0, kWidth, kHeight, 0);
    const Frame again = Paint();
    EXPECT_EQ(again.pixels, first.pixels);
}

}  // namespace
