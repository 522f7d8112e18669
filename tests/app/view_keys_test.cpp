// Every key of the viewer's table, with its bounds.
#include <cmath>
#include <tuple>

#include "tests/app/viewer_window.h"

namespace {

// The flags of an auto-repeated key-down: repeat count 1, key already down.
constexpr LPARAM kAutoRepeat = 1 | (1 << 30);

TEST_F(ViewerWindowTest, ToggleZoomAndArrowKeysChangeTheViewWithoutPainting) {
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    Press(VK_SPACE);
    EXPECT_TRUE(fillWalls);
    EXPECT_EQ(Send(WM_KEYDOWN, VK_SPACE, kAutoRepeat), 0);
    EXPECT_FALSE(fillWalls) << "an auto-repeated Space flips again";
    Press(VK_CONTROL);
    EXPECT_TRUE(zoomedProjection);

    Press(VK_PRIOR, 5);  // half steps from 2.5, with no bound
    EXPECT_EQ(levelView.scale, 0.0f);
    Press(VK_PRIOR);
    EXPECT_EQ(levelView.scale, -0.5f);
    Press(VK_NEXT, 4);
    EXPECT_EQ(levelView.scale, 1.5f);

    Press(VK_UP);  // two units along the facing, angle 0 first
    EXPECT_EQ(std::pair(playerX, playerY), std::pair(52.0f, 50.0f));
    Press(VK_LEFT);  // a tenth of a turn
    EXPECT_EQ(playerAngle, -0.1f);
    Press(VK_UP);
    const double turned = -0.1f;
    EXPECT_EQ(playerX, 52.0f + 2.0f * static_cast<float>(std::cos(turned)));
    EXPECT_EQ(playerY, 50.0f + 2.0f * static_cast<float>(std::sin(turned)));
    Press(VK_DOWN);
    EXPECT_NEAR(std::hypot(playerX - 52.0f, playerY - 50.0f), 0.0, 1e-5);
    Press(VK_RIGHT, 2);
    EXPECT_EQ(playerAngle, -0.1f + 0.1f + 0.1f);

    // Nothing was invalidated: the loop's next message is the timer's.
    MSG message;
    ASSERT_TRUE(GetMessageA(&message, nullptr, 0, 0));
    EXPECT_EQ(message.message, static_cast<UINT>(WM_TIMER));
}

TEST_F(ViewerWindowTest, FunctionKeysSetTheWalkLimits) {
    // The limits before, the key, and the limits after.
    for (const auto& [depth, draw, all, key, wantDepth, wantDraw, wantAll] :
         {std::tuple{100, 250, 1, VK_F1, 99, 250, 0},
          {0, 250, 1, VK_F1, 0, 250, 0},
          {100, 250, 1, VK_F2, 101, 250, 0},
          {100000, 250, 0, VK_F2, 100001, 250, 0},
          {100, 250, 0, VK_F3, 250, 249, 1},
          {7, 0, 0, VK_F3, 250, 0, 1},
          {3, 250, 0, VK_F4, 250, 251, 1}}) {
        SCOPED_TRACE(testing::Message()
                     << "F" << key - VK_F1 + 1 << " at " << depth << " " << draw);
        levelView.maxDepth = depth;
        levelView.maxDraw = draw;
        levelView.drawAllNodes = static_cast<uint8_t>(all);
        Press(key);
        EXPECT_EQ(std::tuple(levelView.maxDepth, levelView.maxDraw, int{levelView.drawAllNodes}),
                  std::tuple(wantDepth, wantDraw, wantAll));
    }
}

TEST_F(ViewerWindowTest, KeypadKeysStepThroughTheMapsAndReloadAtTheBounds) {
    for (const auto& [key, times, index] : {std::tuple{VK_ADD, 1, 1},
                                            {VK_ADD, 7, 8},
                                            {VK_ADD, 1, 8},
                                            {VK_SUBTRACT, 8, 0},
                                            {VK_SUBTRACT, 1, 0}}) {
        SCOPED_TRACE(testing::Message() << times << " x " << key);
        levelView.scale = 9.0f;
        const MapNode* before = levelView.nodes;
        Press(key, times);
        const MapViewDefaults& view = mapViewDefaults[index];
        EXPECT_EQ(std::tuple(mapIndex, levelView.offsetX, levelView.offsetY, levelView.scale),
                  std::tuple(index, view.offsetX, view.offsetY, view.scale));
        EXPECT_NE(levelView.nodes, before) << "each press reads the file again";
    }
}

TEST_F(ViewerWindowTest, MapChangeKeepsThePlayerTheLimitsAndTheToggles) {
    Press(VK_LEFT);
    Press(VK_UP, 3);
    Press(VK_F1, 2);
    for (const WPARAM key : {VK_SPACE, VK_CONTROL}) Press(key);
    const auto player = std::tuple(playerX, playerY, playerAngle);
    Press(VK_ADD);
    EXPECT_EQ(std::tuple(playerX, playerY, playerAngle), player);
    EXPECT_EQ(std::tuple(levelView.maxDepth, levelView.maxDraw, levelView.drawAllNodes),
              std::tuple(98, 250, uint8_t{0}));
    EXPECT_TRUE(fillWalls && zoomedProjection);
}

TEST_F(ViewerWindowTest, KeysOutsideTheTableAreConsumedAndChangeNothing) {
    // A letter, the main keyboard's plus and minus, F5.
    for (const WPARAM key : {WPARAM{'A'}, WPARAM{0xBB}, WPARAM{0xBD}, WPARAM{0x74}}) Press(key);
    EXPECT_EQ(std::tuple(mapIndex, levelView.scale, levelView.maxDepth, levelView.maxDraw, playerX),
              std::tuple(0, 2.5f, 100, 250, 50.0f));
    EXPECT_FALSE(fillWalls || zoomedProjection);
}

}  // namespace
