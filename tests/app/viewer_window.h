// The viewer's window procedure on a headless window, with the process's
// globals at their start values for every test.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/viewer_class.h"
#include "app/window_procedure.h"
#include "platform/window/headless.h"
#include "wad/level_view.h"

// A process that has not created its window yet.
class ViewerProcessTest : public testing::Test {
protected:
    static constexpr int kWidth = 640, kHeight = 400;

    void SetUp() override;
    void TearDown() override;

    // Creates the viewer's window, which runs the start-up sequence.
    HWND CreateViewerWindow() { return window = CreateViewerWindowOf(nullptr); }

    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
        return MainWindowProc(window, message, wParam, lParam);
    }
    void Press(WPARAM key, int times = 1) {
        for (int i = 0; i < times; ++i) EXPECT_EQ(Send(WM_KEYDOWN, key, 1), 0);
    }

    HWND window = nullptr;
};

// A process whose window stands, created at kWidth x kHeight.
class ViewerWindowTest : public ViewerProcessTest {
protected:
    void SetUp() override {
        ViewerProcessTest::SetUp();
        CreateViewerWindow();
    }
};

// A WAD of the maps E1M1, E1M2, ... in order, each with the given vertices
// and a linedef from each vertex to the next; the other lumps hold one
// zeroed record. Returns the file's path.
std::string WadOfMaps(const std::vector<std::vector<MapVertex>>& maps);

// Pens seeded from a fixed second, so that two frames can be compared.
__time64_t FixedPenClock(__time64_t* result);
