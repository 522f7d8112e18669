// Every key of the viewer's table, with its bounds.
#include <cmath>

#include "tests/app/viewer_window.h"

namespace {

// The flags of an auto-repeated key-down: repeat count 1, key already down.
constexpr LPARAM kAutoRepeat = 1 | (1 << 30);

TEST_F(ViewerWindowTest, SpaceAndCtrlFlipTheirFlagOncePerMessageAutoRepeatIncluded) {
    Press(VK_SPACE);
    EXPECT_TRUE(fillWalls);
    Send(WM_KEYDOWN, VK_SPACE, kAutoRepeat);
    EXPECT_FALSE(fillWalls);
    Send(WM_KEYDOWN, VK_SPACE, kAutoRepeat);
    EXPECT_TRUE(fillWalls);

    Press(VK_CONTROL);
    EXPECT_TRUE(zoomedProjection);
    Press(VK_CONTROL);
    EXPECT_FALSE(zoomedProjection);
    EXPECT_TRUE(fillWalls);
}

TEST_F(ViewerWindowTest, PageKeysZoomByHalfStepsWithoutBound) {
    Press(VK_PRIOR, 5);
    EXPECT_EQ(levelView.scale, 0.0f);
    Press(VK_PRIOR);
    EXPECT_EQ(levelView.scale, -0.5f);
    Press(VK_NEXT, 4);
    EXPECT_EQ(levelView.scale, 1.5f);
}

TEST_F(ViewerWindowTest, ArrowsTurnByATenthAndMoveTwoUnitsAlongTheFacing) {
    Press(VK_UP);
    EXPECT_EQ(playerX, 52.0f);
    EXPECT_EQ(playerY, 50.0f);

    Press(VK_LEFT);
    const float turned = 0.0f - 0.1f;
    EXPECT_EQ(playerAngle, turned);
    Press(VK_UP);
    const float cosine = static_cast<float>(std::cos(static_cast<double>(turned)));
    const float sine = static_cast<float>(std::sin(static_cast<double>(turned)));
    EXPECT_EQ(playerX, 52.0f + 2.0f * cosine);
    EXPECT_EQ(playerY, 50.0f + 2.0f * sine);
    EXPECT_LT(playerY, 50.0f) << "a negative angle moves towards smaller y";

    Press(VK_DOWN);
    EXPECT_NEAR(playerX, 52.0f, 1e-5);
    EXPECT_NEAR(playerY, 50.0f, 1e-5);

    Press(VK_RIGHT, 2);
    EXPECT_EQ(playerAngle, turned + 0.1f + 0.1f);
}

struct LimitCase {
    const char* name;
    int32_t maxDepth, maxDraw;
    uint8_t drawAllNodes;
    WPARAM key;
    int32_t wantDepth, wantDraw;
    uint8_t wantDrawAll;
};

void PrintTo(const LimitCase& c, std::ostream* os) {
    *os << c.name;
}

class LimitKeysTest : public ViewerWindowTest, public testing::WithParamInterface<LimitCase> {};

TEST_P(LimitKeysTest, FunctionKeysSetTheWalkLimits) {
    const LimitCase& c = GetParam();
    levelView.maxDepth = c.maxDepth;
    levelView.maxDraw = c.maxDraw;
    levelView.drawAllNodes = c.drawAllNodes;
    Press(c.key);
    EXPECT_EQ(levelView.maxDepth, c.wantDepth);
    EXPECT_EQ(levelView.maxDraw, c.wantDraw);
    EXPECT_EQ(levelView.drawAllNodes, c.wantDrawAll);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, LimitKeysTest,
    testing::Values(LimitCase{"F1_lowers_the_depth", 100, 250, 1, VK_F1, 99, 250, 0},
                    LimitCase{"F1_at_depth_0_stays", 0, 250, 1, VK_F1, 0, 250, 0},
                    LimitCase{"F2_raises_the_depth", 100, 250, 1, VK_F2, 101, 250, 0},
                    LimitCase{"F2_has_no_upper_bound", 100000, 250, 0, VK_F2, 100001, 250, 0},
                    LimitCase{"F3_lowers_draws_at_depth_250", 100, 250, 0, VK_F3, 250, 249, 1},
                    LimitCase{"F3_at_draw_0_stays", 7, 0, 0, VK_F3, 250, 0, 1},
                    LimitCase{"F4_raises_draws_at_depth_250", 3, 250, 0, VK_F4, 250, 251, 1}),
    [](const testing::TestParamInfo<LimitCase>& info) { return std::string(info.param.name); });

void ExpectViewOfMap(int index) {
    EXPECT_EQ(mapIndex, index);
    EXPECT_EQ(levelView.offsetX, mapViewDefaults[index].offsetX);
    EXPECT_EQ(levelView.offsetY, mapViewDefaults[index].offsetY);
    EXPECT_EQ(levelView.scale, mapViewDefaults[index].scale);
}

TEST_F(ViewerWindowTest, KeypadKeysStepThroughTheMapsAndReloadAtTheBounds) {
    // Each press reads the file again, so the level points into a new image.
    const auto expectMapAfter = [this](WPARAM key, int times, int index) {
        levelView.scale = 9.0f;
        const MapNode* before = levelView.nodes;
        Press(key, times);
        ExpectViewOfMap(index);
        EXPECT_NE(levelView.nodes, before);
    };
    expectMapAfter(VK_ADD, 1, 1);
    expectMapAfter(VK_ADD, 7, 8);
    expectMapAfter(VK_ADD, 1, 8);
    expectMapAfter(VK_SUBTRACT, 8, 0);
    expectMapAfter(VK_SUBTRACT, 1, 0);
}

TEST_F(ViewerWindowTest, MapChangeKeepsThePlayerTheLimitsAndTheToggles) {
    Press(VK_LEFT);
    Press(VK_UP, 3);
    Press(VK_F1, 2);
    Press(VK_SPACE);
    Press(VK_CONTROL);
    const float x = playerX, y = playerY, angle = playerAngle;
    Press(VK_ADD);
    EXPECT_EQ(playerX, x);
    EXPECT_EQ(playerY, y);
    EXPECT_EQ(playerAngle, angle);
    EXPECT_EQ(levelView.maxDepth, 98);
    EXPECT_EQ(levelView.maxDraw, 250);
    EXPECT_EQ(levelView.drawAllNodes, 0);
    EXPECT_TRUE(fillWalls);
    EXPECT_TRUE(zoomedProjection);
}

TEST_F(ViewerWindowTest, KeysOutsideTheTableAreConsumedAndChangeNothing) {
    constexpr WPARAM kMainPlus = 0xBB;
    constexpr WPARAM kMainMinus = 0xBD;
    for (const WPARAM key : {WPARAM{'A'}, kMainPlus, kMainMinus, WPARAM{0x74} /* F5 */}) {
        EXPECT_EQ(Send(WM_KEYDOWN, key, 1), 0) << key;
    }
    EXPECT_EQ(mapIndex, 0);
    EXPECT_EQ(levelView.scale, 2.5f);
    EXPECT_EQ(levelView.maxDepth, 100);
    EXPECT_EQ(levelView.maxDraw, 250);
    EXPECT_EQ(playerX, 50.0f);
    EXPECT_FALSE(fillWalls);
    EXPECT_FALSE(zoomedProjection);
}

TEST_F(ViewerWindowTest, EscapeSwapsStyleAndSizeAndPutsTheWindowTopmostAtTheCorner) {
    // A framed window smaller than the monitor, away from the corner.
    SetWindowPos(window, nullptr, 40, 30, 300, 200, 0);
    ASSERT_EQ(clientWidth, 300);

    Press(VK_ESCAPE);
    EXPECT_EQ(swapStyle, static_cast<uint32_t>(WS_OVERLAPPEDWINDOW));
    RECT rect;
    GetWindowRect(window, &rect);
    EXPECT_EQ(rect.left, 0);
    EXPECT_EQ(rect.top, 0);
    EXPECT_EQ(clientWidth, kWidth) << "unframed, the window fills the monitor";
    EXPECT_EQ(clientHeight, kHeight);

    Press(VK_ESCAPE);
    EXPECT_EQ(swapStyle, 0x50000000u);
    GetWindowRect(window, &rect);
    EXPECT_EQ(rect.left, 0);
    EXPECT_EQ(rect.top, 0);
    EXPECT_EQ(clientWidth, 300) << "framed again, the window has its earlier size";
    EXPECT_EQ(clientHeight, 200);

    Press(VK_ESCAPE);
    EXPECT_EQ(clientWidth, kWidth);
}

TEST_F(ViewerWindowTest, NoKeyPaints) {
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    for (const WPARAM key : {VK_SPACE, VK_CONTROL, VK_PRIOR, VK_NEXT, VK_LEFT, VK_UP, VK_RIGHT,
                             VK_DOWN, VK_ADD, VK_SUBTRACT, VK_F1, VK_F2, VK_F3, VK_F4}) {
        Press(key);
    }
    // Nothing was invalidated: the loop's next message is the timer's.
    MSG message;
    ASSERT_TRUE(GetMessageA(&message, nullptr, 0, 0));
    EXPECT_EQ(message.message, static_cast<UINT>(WM_TIMER));
}

}  // namespace
