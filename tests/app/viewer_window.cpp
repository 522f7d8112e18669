#include "tests/app/viewer_window.h"

#include <cstdlib>

#include "render/pen_palette.h"
#include "tests/support/wad_builder.h"
#include "wad/wad_archive.h"

namespace {

void ResetViewGlobals() {
    levelView.maxDepth = levelView.maxDraw = 0;
    levelView.drawAllNodes = 0;
    levelView.scale = levelView.offsetX = levelView.offsetY = 0;
    playerX = playerY = playerAngle = 0;
    clientWidth = clientHeight = restoreWidth = restoreHeight = 0;
    mapIndex = 0;
    fillWalls = zoomedProjection = false;
    swapStyle = 0x50000000;
    std::free(frameStore);
    frameStore = nullptr;
}

// Every map a room that its built-in view shows in the test's window, so
// that each test starts from the built-in views as they stand.
const char* WadOfRoomsInView() {
    static const std::string path = [] {
        std::vector<std::vector<MapVertex>> maps;
        for (const MapViewDefaults& view : mapViewDefaults) {
            // The map point that lands on pixel (x, y) under this view.
            auto at = [&view](int x, int y) {
                return MapVertex{static_cast<int16_t>(10.0f * x / view.scale - view.offsetX),
                                 static_cast<int16_t>(10.0f * y / view.scale - view.offsetY)};
            };
            maps.push_back({at(100, 100), at(300, 100), at(300, 300), at(100, 300), at(100, 100)});
        }
        return WadOfMaps(maps);
    }();
    return path.c_str();
}

}  // namespace

std::string WadOfMaps(const std::vector<std::vector<MapVertex>>& maps) {
    std::vector<TestLump> lumps;
    for (size_t m = 0; m < maps.size(); ++m) {
        std::vector<TestLump> map = StandardMapLumps(mapTable[m].name, 1);
        std::vector<int> vertexes, linedefs;
        for (size_t i = 0; i < maps[m].size(); ++i) {
            vertexes.insert(vertexes.end(), {maps[m][i].x, maps[m][i].y});
            if (i > 0) linedefs.insert(linedefs.end(), {int(i) - 1, int(i), 0, 0, 0, -1, -1});
        }
        map[2].data = Int16Bytes(linedefs);
        map[4].data = Int16Bytes(vertexes);
        lumps.insert(lumps.end(), map.begin(), map.end());
    }
    return WriteTempFile("maps", BuildWad(lumps));
}

__time64_t FixedPenClock(__time64_t* result) {
    if (result != nullptr) *result = 1700000000;
    return 1700000000;
}

void ViewerProcessTest::SetUp() {
    UseHeadlessWindows(kWidth, kHeight);
    static const bool registered = RegisterViewerClass(nullptr);
    ASSERT_TRUE(registered);
    ResetViewGlobals();
    wadPath = WadOfRoomsInView();
    penClock = FixedPenClock;
}

void ViewerProcessTest::TearDown() {
    if (window != nullptr) {
        // Closing posts the quit message, which the loop then takes.
        if (WindowPixels(window, nullptr, nullptr) != nullptr) {
            Send(WM_CLOSE);
            MSG message;
            while (GetMessageA(&message, nullptr, 0, 0)) DispatchMessageA(&message);
        }
        DeletePenPalette(&levelView);
    }
    wadPath = "DOOM1.WAD";
    penClock = _time64;
}
