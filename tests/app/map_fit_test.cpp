// Bringing a map into view: a built-in view that shows the map is kept, one
// that shows none of it is replaced by the fit before the first frame, and
// Home fits any map at any client size.
#include <cmath>
#include <tuple>

#include "tests/app/viewer_window.h"
#include "wad/wad_archive.h"

namespace {

using Spot = MapVertex;

std::string WadOfTwoMaps(const std::vector<Spot>& first, const std::vector<Spot>& second) {
    return WadOfMaps({first, second});
}

// Under E1M1's built-in view (scale 2.5, offsets 1180 and 4880) a map point
// lands at (x / 4 + 295, y / 4 + 1220): the map point that lands on a pixel.
Spot UnderE1M1View(int sx, int sy) {
    return {static_cast<int16_t>(4 * (sx - 295)), static_cast<int16_t>(4 * (sy - 1220))};
}

using View = std::tuple<float, float, float>;
View CurrentView() {
    return {levelView.scale, levelView.offsetX, levelView.offsetY};
}
View DefaultView(int map) {
    const MapViewDefaults& row = mapViewDefaults[map];
    return {row.scale, row.offsetX, row.offsetY};
}

// The fit's rule: the box lies inside the client area below the 16-row
// status line less an 8-pixel margin, centred to a pixel, at the largest
// multiple of 0.5 that fits, never below 0.5 nor above 100.
void ExpectFitted(const std::vector<Spot>& spots) {
    const float scale = levelView.scale;
    ASSERT_GE(scale, 0.5f);
    ASSERT_LE(scale, 100.0f);
    EXPECT_EQ(std::fmod(scale, 0.5f), 0.0f);
    auto at = [](float c, float offset, float s) { return (c * s + offset * s) / 10.0f; };
    float left = 1e9f, right = -1e9f, top = 1e9f, bottom = -1e9f;
    int spanX = 0, spanY = 0;
    for (const Spot& a : spots) {
        for (const Spot& b : spots)
            spanX = std::max(spanX, b.x - a.x), spanY = std::max(spanY, b.y - a.y);
        left = std::min(left, at(a.x, levelView.offsetX, scale));
        right = std::max(right, at(a.x, levelView.offsetX, scale));
        top = std::min(top, at(a.y, levelView.offsetY, scale));
        bottom = std::max(bottom, at(a.y, levelView.offsetY, scale));
    }
    const float areaW = clientWidth - 16.0f, areaH = clientHeight - 16.0f - 16.0f;
    EXPECT_NEAR((left + right) / 2, clientWidth / 2.0f, 1.0f);
    EXPECT_NEAR((top + bottom) / 2, 16.0f + (clientHeight - 16.0f) / 2, 1.0f);
    if (scale > 0.5f) {
        EXPECT_LE(right - left, areaW + 0.01f);
        EXPECT_LE(bottom - top, areaH + 0.01f);
    }
    if (scale < 100.0f) {
        const float larger = (scale + 0.5f) / 10.0f;
        EXPECT_TRUE(std::max(spanX, 1) * larger > areaW || std::max(spanY, 1) * larger > areaH)
            << "one step more would still fit";
    }
}

TEST_F(ViewerProcessTest, BuiltInViewIsKeptWhereItShowsALinedefBelowTheStatusLine) {
    struct Case {
        const char* what;
        std::vector<Spot> spots;
        bool fitted;
    };
    const Case cases[] = {
        {"a room in view",
         {UnderE1M1View(100, 100), UnderE1M1View(300, 100), UnderE1M1View(300, 300)},
         false},
        {"only in the status line", {UnderE1M1View(10, 15), UnderE1M1View(600, 15)}, true},
        {"the first row below it", {UnderE1M1View(10, 16), UnderE1M1View(600, 16)}, false},
        {"across the window, ends outside",
         {UnderE1M1View(-400, 500), UnderE1M1View(500, -400)},
         false},
        {"past a corner", {UnderE1M1View(-400, 300), UnderE1M1View(100, -200)}, true},
        {"on the last column",
         {UnderE1M1View(kWidth - 1, 30), UnderE1M1View(kWidth - 1, 300)},
         false},
        {"right of it", {UnderE1M1View(kWidth, 30), UnderE1M1View(kWidth, 300)}, true},
        {"far away", {{30000, 30000}, {30500, 30200}}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string path = WadOfTwoMaps(c.spots, c.spots);
        wadPath = path.c_str();
        for (const int start : {0, 1}) {
            TearDown();
            SetUp();
            wadPath = path.c_str();
            mapIndex = start;
            CreateViewerWindow();  // creation, then the first size notification
            if (start == 1) {
                if (c.fitted) ExpectFitted(c.spots);
                continue;
            }
            // Before any frame: E1M1 as created, E1M2 after keypad +, E1M1 after keypad -.
            for (const WPARAM key : {WPARAM{0}, WPARAM{VK_ADD}, WPARAM{VK_SUBTRACT}}) {
                if (key != 0) Press(key);
                if (c.fitted) {
                    ExpectFitted(c.spots);
                } else if (mapIndex == 0) {
                    EXPECT_EQ(CurrentView(), DefaultView(0));
                }
            }
        }
    }
}

TEST_F(ViewerProcessTest, ResizingNeverRefits) {
    const std::string path = WadOfTwoMaps({UnderE1M1View(100, 100), UnderE1M1View(300, 300)}, {});
    wadPath = path.c_str();
    CreateViewerWindow();
    SetWindowPos(window, nullptr, 0, 0, 60, 40, 0);  // the room is now off to the right
    EXPECT_EQ(CurrentView(), DefaultView(0));
}

TEST_F(ViewerProcessTest, HomeFitsAnyMapAtAnyClientSizeAndTheZoomKeysStepOnFromIt) {
    struct Case {
        const char* what;
        std::vector<Spot> spots;
        int width, height;
    };
    const Case cases[] = {
        {"a room", {{-100, 40}, {900, 40}, {900, 700}}, 640, 400},
        {"a tall room in a wide window", {{0, 0}, {50, 3000}}, 1920, 300},
        {"one vertex", {{1234, -567}}, 640, 400},
        {"a level line", {{-500, 7}, {500, 7}}, 300, 200},
        {"the whole grid in a tiny window", {{-32768, -32768}, {32767, 32767}}, 20, 20},
        {"a window no taller than the status line", {{0, 0}, {100, 100}}, 200, 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TearDown();
        SetUp();
        const std::string path = WadOfTwoMaps(c.spots, {});
        wadPath = path.c_str();
        CreateViewerWindow();
        SetWindowPos(window, nullptr, 0, 0, c.width, c.height, 0);
        Press(VK_LEFT);
        Press(VK_F3);
        Press(VK_SPACE);
        const auto kept = std::tuple(playerX, playerY, playerAngle, levelView.maxDepth,
                                     levelView.maxDraw, levelView.drawAllNodes, fillWalls);
        Press(VK_HOME);
        ExpectFitted(c.spots);
        EXPECT_EQ(std::tuple(playerX, playerY, playerAngle, levelView.maxDepth, levelView.maxDraw,
                             levelView.drawAllNodes, fillWalls),
                  kept);
        const float fitted = levelView.scale;
        Press(VK_PRIOR);
        EXPECT_EQ(levelView.scale, fitted - 0.5f);
        Press(VK_NEXT, 2);
        EXPECT_EQ(levelView.scale, fitted + 0.5f);
    }
}

TEST_F(ViewerWindowTest, HomeLeavesTheViewOfAMapWithoutVertices) {
    const std::string path = WadOfTwoMaps({}, {});
    wadPath = path.c_str();
    Press(VK_ADD);
    levelView.scale = -3.0f;
    Press(VK_HOME);
    EXPECT_EQ(CurrentView(), View(-3.0f, mapViewDefaults[1].offsetX, mapViewDefaults[1].offsetY));
}

}  // namespace
