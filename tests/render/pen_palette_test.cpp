#include "render/pen_palette.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/render/render_support.h"

namespace {

__time64_t fakeNow;

__time64_t FakeClock(__time64_t* result) {
    if (result != nullptr) *result = fakeNow;
    return fakeNow;
}

// The colour rule, draw by draw, from the seed the clock gives: blue, green
// and red from three draws, each remainder minus the index wrapping modulo
// 256, except the dotted pens' red, which takes 1 off.
struct ExpectedPalette {
    std::vector<std::string> wall;
    std::vector<std::string> dotted;
};

BYTE Wrapped(int draw, int shift) {
    return static_cast<BYTE>((draw % 255 - shift) & 0xFF);
}

ExpectedPalette PaletteForSeed(unsigned seed) {
    ExpectedPalette expected;
    srand(seed);
    for (int i = 0; i < kRandomPenCount; i++) {
        const int d1 = rand(), d2 = rand(), d3 = rand();
        const COLORREF colour = (Wrapped(d1, i) << 16) | (Wrapped(d2, i) << 8) | Wrapped(d3, i);
        expected.wall.push_back(PenLine("solid", 2, colour));
    }
    for (int i = 0; i < kRandomPenCount; i++) {
        const int d1 = rand(), d2 = rand(), d3 = rand();
        const COLORREF colour = (Wrapped(d1, i) << 16) | (Wrapped(d2, i) << 8) | Wrapped(d3, 1);
        expected.dotted.push_back(PenLine("dot", 1, colour));
    }
    return expected;
}

class PenPaletteTest : public testing::Test {
protected:
    void SetUp() override {
        penClock = FakeClock;
        fakeNow = 0x1'6A0B'C000;  // the seed is its low 32 bits
        CreatePenPalette(&level);
    }
    void TearDown() override {
        penClock = _time64;
        DeleteMarkedPens(&level, surface.dc());  // the same fields, whatever their colours
        DeleteObject(level.hatchBrush);
    }

    std::vector<std::string> Selected(const HPEN* pens) {
        return surface.Trace([&] {
            for (int i = 0; i < kRandomPenCount; i++) SelectObject(surface.dc(), pens[i]);
            SelectObject(surface.dc(), GetStockObject(BLACK_PEN));
        });
    }

    ExpectedPalette Current() {
        auto wall = Selected(level.wallPens);
        auto dotted = Selected(level.dottedPens);
        wall.pop_back();
        dotted.pop_back();
        return {wall, dotted};
    }

    LevelView level{};
    TestSurface surface{8, 8};
};

TEST_F(PenPaletteTest, FixedPensAndBrush) {
    const auto lines = surface.Trace([&] {
        SelectObject(surface.dc(), level.thingPen);
        SelectObject(surface.dc(), level.segPen);
        SelectObject(surface.dc(), level.hatchBrush);
    });
    SelectObject(surface.dc(), GetStockObject(WHITE_BRUSH));  // so that it can be deleted
    EXPECT_EQ(lines, (std::vector<std::string>{PenLine("solid", 0, 0x0000FF),
                                               PenLine("solid", 3, 0xFF0000),
                                               "SelectObject brush hatch 4 0x00404040"}));
}

TEST_F(PenPaletteTest, ColoursFollowTheDrawsOfTheSeededGenerator) {
    const ExpectedPalette expected = PaletteForSeed(0x6A0BC000);
    const ExpectedPalette actual = Current();
    EXPECT_EQ(actual.wall, expected.wall);
    EXPECT_EQ(actual.dotted, expected.dotted);
}

TEST_F(PenPaletteTest, SameSecondSamePensNextSecondNewOnes) {
    const ExpectedPalette first = Current();
    RegenerateRandomPens(&level);
    const ExpectedPalette sameSecond = Current();
    EXPECT_EQ(sameSecond.wall, first.wall);
    EXPECT_EQ(sameSecond.dotted, first.dotted);

    fakeNow++;
    RegenerateRandomPens(&level);
    const ExpectedPalette nextSecond = Current();
    EXPECT_NE(nextSecond.wall, first.wall);
    EXPECT_EQ(nextSecond.wall, PaletteForSeed(0x6A0BC001).wall);
    EXPECT_EQ(nextSecond.dotted, PaletteForSeed(0x6A0BC001).dotted);
}

TEST_F(PenPaletteTest, RegeneratingReplacesWithoutLeaking) {
    const DWORD before = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    for (int tick = 0; tick < 10; tick++) RegenerateRandomPens(&level);
    EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), before);
}

}  // namespace
