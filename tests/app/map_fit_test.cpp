// Bringing a map into view: a built-in view that shows the map is kept, one
// that shows none of it is replaced by the fit before the first frame, and
// Home fits any map at any client size.
#include <algorithm>
#include <cmath>
#include <tuple>

#include "tests/app/viewer_window.h"
#include "wad/wad_archive.h"

namespace {

using Spots = std::vector<MapVertex>;

// Under E1M1's built-in view (scale 2.5, offsets 1180 and 4880) a map point
// lands at (x / 4 + 295, y / 4 + 1220): the map point that lands on a pixel.
MapVertex UnderE1M1View(int sx, int sy) {
    return {static_cast<int16_t>(4 * (sx - 295)), static_cast<int16_t>(4 * (sy - 1220))};
}

auto CurrentView() {
    return std::tuple(levelView.scale, levelView.offsetX, levelView.offsetY);
}

// The fit's rule: the box lies inside the client area below the 16-row
// status line less an 8-pixel margin, centred to a pixel, at the largest
// multiple of 0.5 that fits, never below 0.5 nor above 100.
void ExpectFitted(const Spots& spots) {
    const float scale = levelView.scale;
    ASSERT_TRUE(scale >= 0.5f && scale <= 100.0f && std::fmod(scale, 0.5f) == 0.0f) << scale;
    auto [minX, maxX] =
        std::minmax_element(spots.begin(), spots.end(), [](auto a, auto b) { return a.x < b.x; });
    auto [minY, maxY] =
        std::minmax_element(spots.begin(), spots.end(), [](auto a, auto b) { return a.y < b.y; });
    auto at = [scale](float c, float offset) { return (c * scale + offset * scale) / 10.0f; };
    const float areaW = clientWidth - 16.0f, areaH = clientHeight - 16.0f - 16.0f;
    EXPECT_NEAR(at(minX->x, levelView.offsetX) + at(maxX->x, levelView.offsetX), clientWidth, 2.0f);
    EXPECT_NEAR(at(minY->y, levelView.offsetY) + at(maxY->y, levelView.offsetY),
                16.0f + clientHeight, 2.0f);
    const float spanX = std::max(maxX->x - minX->x, 1), spanY = std::max(maxY->y - minY->y, 1);
    if (scale > 0.5f) {
        EXPECT_TRUE(spanX * scale / 10 <= areaW && spanY * scale / 10 <= areaH);
    }
    const float larger = (scale + 0.5f) / 10.0f;
    if (scale < 100.0f) {
        EXPECT_TRUE(spanX * larger > areaW || spanY * larger > areaH) << "one step more fits";
    }
}

TEST_F(ViewerProcessTest, BuiltInViewIsKeptWhereItShowsALinedefBelowTheStatusLine) {
    const Spots farAway = {{30000, 30000}, {30500, 30200}};
    const std::tuple<const char*, Spots, bool> cases[] = {
        {"a room in view", {UnderE1M1View(100, 100), UnderE1M1View(300, 300)}, false},
        {"only in the status line", {UnderE1M1View(10, 15), UnderE1M1View(600, 15)}, true},
        {"the first row below it", {UnderE1M1View(10, 16), UnderE1M1View(600, 16)}, false},
        {"across, ends outside", {UnderE1M1View(-400, 500), UnderE1M1View(500, -400)}, false},
        {"past a corner", {UnderE1M1View(-400, 300), UnderE1M1View(100, -200)}, true},
        {"the last column", {UnderE1M1View(kWidth - 1, 30), UnderE1M1View(kWidth - 1, 99)}, false},
        {"right of it", {UnderE1M1View(kWidth, 30), UnderE1M1View(kWidth, 300)}, true},
        {"far away", farAway, true},
    };
    for (const auto& [what, spots, fitted] : cases) {
        SCOPED_TRACE(what);
        TearDown();
        SetUp();
        const std::string path = WadOfMaps({spots, farAway});
        wadPath = path.c_str();
        // Creation and its first size notification, then keypad + and
        // keypad -: each map is looked at before any frame is drawn.
        auto expectFirstMap = [&] {
            if (fitted) {
                ExpectFitted(spots);
            } else {
                EXPECT_EQ(CurrentView(), std::tuple(2.5f, 1180.0f, 4880.0f));
            }
        };
        CreateViewerWindow();
        expectFirstMap();
        Press(VK_ADD);
        ExpectFitted(farAway);
        Press(VK_SUBTRACT);
        expectFirstMap();
        // A resize never refits, though the map is now out of sight.
        const auto shown = CurrentView();
        SetWindowPos(window, nullptr, 0, 0, 30, 20, 0);
        EXPECT_EQ(CurrentView(), shown);
        // A map shown with no client area to judge by waits for one.
        SetWindowPos(window, nullptr, 0, 0, 30, 10, 0);
        Press(VK_ADD);
        SetWindowPos(window, nullptr, 0, 0, kWidth, kHeight, 0);
        ExpectFitted(farAway);
    }
}

TEST_F(ViewerProcessTest, HomeFitsAnyMapAtAnyClientSizeAndTheZoomKeysStepOnFromIt) {
    const std::tuple<const char*, Spots, int, int> cases[] = {
        {"a room", {{-100, 40}, {900, 40}, {900, 700}}, 640, 400},
        {"a tall room in a wide window", {{0, 0}, {50, 3000}}, 1920, 300},
        {"one vertex", {{1234, -567}}, 640, 400},
        {"a level line", {{-500, 7}, {500, 7}}, 300, 200},
        {"the whole grid in a tiny window", {{-32768, -32768}, {32767, 32767}}, 20, 20},
        {"a window no taller than the status line", {{0, 0}, {100, 100}}, 200, 10},
        {"no vertices: nothing to fit", {}, 640, 400},
    };
    for (const auto& [what, spots, width, height] : cases) {
        SCOPED_TRACE(what);
        TearDown();
        SetUp();
        const std::string path = WadOfMaps({spots});
        wadPath = path.c_str();
        CreateViewerWindow();
        SetWindowPos(window, nullptr, 0, 0, width, height, 0);
        for (const WPARAM key : {VK_LEFT, VK_F3, VK_SPACE, VK_PRIOR, VK_PRIOR}) Press(key);
        const auto kept = std::tuple(playerX, playerY, playerAngle, levelView.maxDepth,
                                     levelView.maxDraw, levelView.drawAllNodes, fillWalls);
        const auto before = CurrentView();
        Press(VK_HOME);
        EXPECT_EQ(std::tuple(playerX, playerY, playerAngle, levelView.maxDepth, levelView.maxDraw,
                             levelView.drawAllNodes, fillWalls),
                  kept);
        if (spots.empty()) {
            EXPECT_EQ(CurrentView(), before);
            continue;
        }
        ExpectFitted(spots);
        const float fitted = levelView.scale;
        Press(VK_PRIOR);
        EXPECT_EQ(levelView.scale, fitted - 0.5f);
        Press(VK_NEXT, 2);
        EXPECT_EQ(levelView.scale, fitted + 0.5f);
    }
}

}  // namespace
