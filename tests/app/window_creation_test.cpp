// The start-up sequence that runs while the viewer's window is created; the
// frame timer it ends with is the loop tests'.
#include <tuple>

#include "render/pen_palette.h"
#include "tests/app/viewer_window.h"

namespace {

constexpr uint32_t kNotACheckerboardPixel = 0x00123456;
bool pensSeen = false;

// Runs as the pens are made: everything before them is already in place,
// the restore size and the frame store come after.
__time64_t CheckingClock(__time64_t* result) {
    if (!pensSeen) {
        pensSeen = true;
        EXPECT_GT(levelView.numNodes, 0) << "the level is loaded first";
        EXPECT_NE(textureStore[0], kNotACheckerboardPixel) << "then the texture store";
        EXPECT_EQ(std::tuple(levelView.maxDepth, levelView.maxDraw, levelView.drawAllNodes),
                  std::tuple(100, 250, uint8_t{1}));
        EXPECT_EQ(
            std::tuple(levelView.scale, levelView.offsetX, levelView.offsetY, playerX, playerY),
            std::tuple(2.5f, 1180.0f, 4880.0f, 50.0f, 50.0f));
        EXPECT_EQ(restoreWidth, 0);
        EXPECT_EQ(frameStore, nullptr);
    }
    return FixedPenClock(result);
}

TEST_F(ViewerProcessTest, CreationPreparesEverythingBeforeThePensAndTheRestAfter) {
    textureStore[0] = kNotACheckerboardPixel;
    pensSeen = false;
    penClock = CheckingClock;
    ASSERT_NE(CreateViewerWindow(), nullptr);
    ASSERT_TRUE(pensSeen);
    for (const void* made : std::initializer_list<const void*>{
             levelView.thingPen, levelView.segPen, levelView.hatchBrush, levelView.wallPens[254],
             levelView.dottedPens[254], frameStore}) {
        EXPECT_NE(made, nullptr);
    }
    // The headless monitor is the first client area's size: the first Escape fills it.
    EXPECT_EQ(std::tuple(restoreWidth, restoreHeight, clientWidth, clientHeight),
              std::tuple(kWidth, kHeight, kWidth, kHeight));
}

}  // namespace
