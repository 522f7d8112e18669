// The start-up sequence that runs while the viewer's window is created.
#include <chrono>

#include "render/pen_palette.h"
#include "tests/app/viewer_window.h"

namespace {

using namespace std::chrono_literals;

// What the process looked like when the pens were being made.
struct AtPenCreation {
    bool seen = false;
    int32_t numNodes = 0;
    uint32_t texturePixel = 0;
    int32_t maxDepth = 0;
    int32_t maxDraw = 0;
    uint8_t drawAllNodes = 0;
    float scale = 0;
    float offsetX = 0;
    float offsetY = 0;
    float playerX = 0;
    float playerY = 0;
    int32_t restoreWidth = -1;
    const uint32_t* frameStore = nullptr;
};

AtPenCreation atPens;

__time64_t SnapshotClock(__time64_t* result) {
    if (!atPens.seen) {
        atPens = {true,
                  levelView.numNodes,
                  textureStore[0],
                  levelView.maxDepth,
                  levelView.maxDraw,
                  levelView.drawAllNodes,
                  levelView.scale,
                  levelView.offsetX,
                  levelView.offsetY,
                  playerX,
                  playerY,
                  restoreWidth,
                  frameStore};
    }
    return FixedPenClock(result);
}

constexpr uint32_t kNotACheckerboardPixel = 0x00123456;

TEST_F(ViewerProcessTest, CreationPreparesEverythingBeforeThePensAndTheRestAfter) {
    textureStore[0] = kNotACheckerboardPixel;
    atPens = {};
    penClock = SnapshotClock;
    ASSERT_NE(CreateViewerWindow(), nullptr);

    ASSERT_TRUE(atPens.seen);
    EXPECT_GT(atPens.numNodes, 0) << "the level is loaded first";
    EXPECT_NE(atPens.texturePixel, kNotACheckerboardPixel) << "then the texture store";
    EXPECT_EQ(atPens.maxDepth, 100);
    EXPECT_EQ(atPens.maxDraw, 250);
    EXPECT_EQ(atPens.drawAllNodes, 1);
    EXPECT_EQ(atPens.scale, 2.5f);
    EXPECT_EQ(atPens.offsetX, 1180.0f);
    EXPECT_EQ(atPens.offsetY, 4880.0f);
    EXPECT_EQ(atPens.playerX, 50.0f);
    EXPECT_EQ(atPens.playerY, 50.0f);
    EXPECT_EQ(atPens.restoreWidth, 0) << "the restore size comes after the pens";
    EXPECT_EQ(atPens.frameStore, nullptr) << "the frame store comes after the pens";

    EXPECT_NE(levelView.thingPen, nullptr);
    EXPECT_NE(levelView.segPen, nullptr);
    EXPECT_NE(levelView.hatchBrush, nullptr);
    EXPECT_NE(levelView.wallPens[254], nullptr);
    EXPECT_NE(levelView.dottedPens[254], nullptr);
    EXPECT_NE(frameStore, nullptr);
}

TEST_F(ViewerWindowTest, CreationEndsWithTheClientSizeAndTheFrameTimer) {
    EXPECT_EQ(clientWidth, kWidth);
    EXPECT_EQ(clientHeight, kHeight);
    const auto start = std::chrono::steady_clock::now();
    MSG message;
    ASSERT_TRUE(GetMessageA(&message, nullptr, 0, 0));
    EXPECT_EQ(message.hwnd, window);
    EXPECT_EQ(message.message, static_cast<UINT>(WM_TIMER));
    EXPECT_EQ(message.wParam, 1u);
    EXPECT_GE(std::chrono::steady_clock::now() - start, 15ms);
}

TEST_F(ViewerWindowTest, FirstEscapeIsToFillTheMonitor) {
    // The headless monitor is the size of the first client area.
    EXPECT_EQ(restoreWidth, kWidth);
    EXPECT_EQ(restoreHeight, kHeight);
}

TEST_F(ViewerWindowTest, SizeNotificationKeepsBothHalvesUnsigned) {
    EXPECT_EQ(Send(WM_SIZE, 0, MAKELPARAM(65535, 40000)), 0);
    EXPECT_EQ(clientWidth, 65535);
    EXPECT_EQ(clientHeight, 40000);
}

}  // namespace
