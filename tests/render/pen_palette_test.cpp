#include "render/pen_palette.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/render/render_support.h"

namespace {

__time64_t fakeNow;

using Lines = std::vector<std::string>;

// The colour rule, from the seed the clock gives: blue, green and red from
// three draws each, every remainder minus the index wrapping modulo 256,
// except the dotted pens' red, which takes 1 off. Wall pens, then dotted.
Lines PaletteForSeed(unsigned seed) {
    Lines expected;
    srand(seed);
    for (bool dotted : {false, true}) {
        for (int i = 0; i < kRandomPenCount; i++) {
            const int d1 = rand(), d2 = rand(), d3 = rand();
            auto wrapped = [&](int draw, int shift) { return (draw % 255 - shift) & 0xFF; };
            const COLORREF colour =
                (wrapped(d1, i) << 16) | (wrapped(d2, i) << 8) | wrapped(d3, dotted ? 1 : i);
            expected.push_back(dotted ? PenLine("dot", 1, colour) : PenLine("solid", 2, colour));
        }
    }
    return expected;
}

class PenPaletteTest : public testing::Test {
protected:
    void SetUp() override {
        penClock = [](__time64_t* result) { return result ? *result = fakeNow : fakeNow; };
        fakeNow = 0x1'6A0B'C000;  // the seed is its low 32 bits
        CreatePenPalette(&level);
    }
    void TearDown() override {
        penClock = _time64;
        DeleteMarkedPens(&level, surface.dc);  // the same fields, whatever their colours
        DeleteObject(level.hatchBrush);
    }

    // The trace of selecting the given objects, then the stock black pen.
    Lines Selected(const std::vector<HGDIOBJ>& objects) {
        auto lines = Trace([&] {
            for (HGDIOBJ object : objects) SelectObject(surface.dc, object);
            SelectObject(surface.dc, GetStockObject(BLACK_PEN));
        });
        lines.pop_back();
        return lines;
    }

    Lines Current() {
        std::vector<HGDIOBJ> pens(level.wallPens, level.wallPens + kRandomPenCount);
        pens.insert(pens.end(), level.dottedPens, level.dottedPens + kRandomPenCount);
        return Selected(pens);
    }

    LevelView level{};
    TestSurface surface{8, 8};
};

TEST_F(PenPaletteTest, FixedPensAndBrush) {
    const auto lines = Selected({level.thingPen, level.segPen, level.hatchBrush});
    SelectObject(surface.dc, GetStockObject(WHITE_BRUSH));  // so that it can be deleted
    EXPECT_EQ(lines, (Lines{PenLine("solid", 0, 0x0000FF), PenLine("solid", 3, 0xFF0000),
                            "SelectObject brush hatch 4 0x00404040"}));
}

TEST_F(PenPaletteTest, SameSecondSamePensNextSecondNewOnes) {
    const Lines first = Current();
    EXPECT_EQ(first, PaletteForSeed(0x6A0BC000));
    RegenerateRandomPens(&level);
    EXPECT_EQ(Current(), first);
    fakeNow++;
    RegenerateRandomPens(&level);
    EXPECT_EQ(Current(), PaletteForSeed(0x6A0BC001));
    EXPECT_NE(Current(), first);
}

}  // namespace
