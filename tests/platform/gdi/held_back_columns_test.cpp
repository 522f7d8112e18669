// Runs of plumb wide lines (the walls' columns) are painted later than they
// are drawn; whatever is drawn between and over them, the pixels must come
// out as if every call had painted at once. A read of the bitmap after each
// call paints at once, so the same calls with and without reads must agree.
#include <gtest/gtest.h>
#include <malloc.h>

#include <random>

#include "platform/gdi/deferred_columns.h"
#include "platform/gdi/host_surface.h"
#include "tests/platform/gdi/gdi_test_surface.h"

#if defined(__SANITIZE_ADDRESS__)
// The address sanitizer's own count; GCC ships the library, not its header.
extern "C" size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace {

constexpr int kSize = 48;

// One scene from a seed: runs of columns, slanted and level lines (some
// from far off), short plumb lines, rectangles and text, in random pens,
// mostly overlapping.
void DrawScene(TestSurface& surface, unsigned seed, bool readAfterEachCall) {
    std::mt19937 random(seed);
    auto coordinate = [&] { return int(random() % (kSize + 8)) - 4; };
    auto colour = [&] { return COLORREF(random() & 0xFFFFFF); };
    uint32_t sink = 0;
    auto call = [&] {
        if (readAfterEachCall) GetBitmapBits(surface.bitmap, 4, &sink);
    };
    // Half the scenes fill rectangles with a hatch, whose gaps take the background.
    Selection brush(surface, seed % 2 ? HGDIOBJ(CreateHatchBrush(HS_CROSS, colour()))
                                      : GetStockObject(WHITE_BRUSH));
    for (int step = 0; step < 60; ++step) {
        const int kind = int(random() % 5);
        const int penWidth = int(random() % 4);
        HPEN pen = CreatePen(random() % 4 == 0 ? PS_DOT : PS_SOLID, penWidth, colour());
        HGDIOBJ previous = SelectObject(surface.dc, pen);
        if (kind <= 1) {
            const int left = coordinate();
            const int count = 1 + int(random() % 12);
            for (int x = left; x < left + count; ++x) {
                surface.Line(x, coordinate(), x, coordinate());
                call();
            }
        } else if (kind == 2) {
            const int reach = random() % 4 == 0 ? 5000 : 1;
            surface.Line(coordinate() * reach, coordinate(), coordinate(), coordinate() * reach);
            call();
        } else if (kind == 3) {
            Rectangle(surface.dc, coordinate(), coordinate(), coordinate(), coordinate());
            call();
        } else {
            RECT cell{coordinate(), coordinate(), coordinate() + 20, coordinate() + 20};
            DrawTextA(surface.dc, "Ab", -1, &cell, 0);
            call();
        }
        SelectObject(surface.dc, previous);
        DeleteObject(pen);
    }
}

TEST(HeldBackColumns, LeaveThePixelsOfPaintingAtOnce) {
    for (unsigned seed = 1; seed <= 200; ++seed) {
        TestSurface atOnce(kSize, kSize);
        TestSurface later(kSize, kSize);
        DrawScene(atOnce, seed, true);
        DrawScene(later, seed, false);
        ASSERT_EQ(later.Pixels(0, 0, kSize, kSize), atOnce.Pixels(0, 0, kSize, kSize))
            << "seed " << seed;
    }
}

// Plumb lines of width 2 from column `from` to before `to`, from row 1 to
// `bottom`: enough to be held back.
void DrawColumns(HDC dc, COLORREF colour, int from, int to, int bottom = 7) {
    HGDIOBJ previous = SelectObject(dc, CreatePen(PS_SOLID, 2, colour));
    for (int x = from; x < to; ++x) {
        MoveToEx(dc, x, 1, nullptr);
        LineTo(dc, x, bottom);
    }
    DeleteObject(SelectObject(dc, previous));
}

// A wide pen's band, round tips and outline reach past the points of the
// call, text cells fill its rectangle: drawn anywhere over held-back
// columns, here ending where the call starts, all of their pixels stay.
TEST(HeldBackColumns, StayUnderEveryPixelDrawnOverThem) {
    for (int kind = 0; kind < 3; ++kind) {
        for (int at = 0; at < kSize; ++at) {
            TestSurface atOnce(kSize, kSize);
            TestSurface later(kSize, kSize);
            for (TestSurface* surface : {&atOnce, &later}) {
                DrawColumns(surface->dc, RGB(0, 0, 9), 0, kSize, at);
                if (surface == &atOnce) surface->At(0, 0);
                Selection pen(*surface, CreatePen(PS_SOLID, 3, RGB(9, 0, 0)));
                RECT cell{at, at, kSize, at + 4};
                if (kind == 0) surface->Line(at, at, at + 3, at + 1);
                if (kind == 1) Rectangle(surface->dc, at, at, at + 2, at + 2);
                if (kind == 2) DrawTextA(surface->dc, "Ab", -1, &cell, 0);
            }
            ASSERT_EQ(later.Pixels(0, 0, kSize, kSize), atOnce.Pixels(0, 0, kSize, kSize))
                << "call " << kind << " at " << at;
        }
    }
}

// Two runs of columns in one colour, with a call drawn between them over
// the first, must not become one run that paints over that call.
TEST(HeldBackColumns, KeepACallDrawnBetweenRunsOfOneColour) {
    for (int at = 2; at < 12; ++at) {
        TestSurface atOnce(kSize, kSize);
        TestSurface later(kSize, kSize);
        for (TestSurface* surface : {&atOnce, &later}) {
            DrawColumns(surface->dc, RGB(0, 0, 9), 0, 12, 30);
            if (surface == &atOnce) surface->At(0, 0);
            Rectangle(surface->dc, at, 20, at + 3, 24);
            DrawColumns(surface->dc, RGB(0, 0, 9), at, 16, 10 + at);
        }
        ASSERT_EQ(later.Pixels(0, 0, kSize, kSize), atOnce.Pixels(0, 0, kSize, kSize))
            << "second run from " << at;
    }
}

// Walls in one colour on both sides of a tile of 32 columns that no span
// reaches are two runs, not one that paints across the empty tile.
TEST(HeldBackColumns, LeaveATileThatNoSpanReaches) {
    TestSurface atOnce(100, 48);
    TestSurface later(100, 48);
    for (TestSurface* surface : {&atOnce, &later}) {
        DrawColumns(surface->dc, RGB(0, 0, 9), 21, 32, 40);
        if (surface == &atOnce) surface->At(0, 0);
        DrawColumns(surface->dc, RGB(0, 0, 9), 65, 75, 40);
    }
    ASSERT_EQ(later.Pixels(0, 0, 100, 48), atOnce.Pixels(0, 0, 100, 48));
}

// Rows from the 64th band of 32 on share one mark, so on a bitmap taller
// than 2,048 rows the columns held back at its foot must be painted too.
TEST(HeldBackColumns, ReachTheFootOfATallBitmap) {
    TestSurface surface(8, 2100);
    DrawColumns(surface.dc, RGB(0, 0, 9), 1, 6, 2098);
    EXPECT_EQ(surface.At(3, 2090), 0x000009u);
}

// A wall wider than a run holds lines is made of several runs, and must
// still fill every column, up to the bitmap's last.
TEST(HeldBackColumns, ReachTheRightOfAWideBitmap) {
    constexpr int kWidth = 5000;
    TestSurface surface(kWidth, 4);
    DrawColumns(surface.dc, RGB(0, 0, 9), 1, kWidth, 2);
    for (int x = 0; x < kWidth; ++x) ASSERT_EQ(surface.At(x, 2), 0x000009u) << x;
}

// A held-back column must reach whatever copies the bitmap, and a bitmap
// deleted with columns pending must not paint them into the next one.
TEST(HeldBackColumns, ReachCopiesAndDieWithTheirBitmap) {
    TestSurface source(8, 8);
    TestSurface dest(8, 8);
    DrawColumns(source.dc, RGB(0, 0, 0), 1, 6);
    StretchBlt(dest.dc, 0, 0, 8, 8, source.dc, 0, 0, 8, 8, SRCCOPY);
    EXPECT_EQ(dest.Pixels(0, 0, 8, 8), source.Pixels(0, 0, 8, 8));
    EXPECT_EQ(dest.Changed().size(), 6u * 8u);
    {
        TestSurface doomed(8, 8);
        DrawColumns(doomed.dc, RGB(255, 255, 255), 1, 6);
    }
    // A new bitmap is black and of the same size gets the dead one's pixels;
    // columns drawn into it settle whatever is pending elsewhere.
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP fresh = CreateCompatibleBitmap(dc, 8, 8);
    HGDIOBJ previousBitmap = SelectObject(dc, fresh);
    DrawColumns(dc, RGB(0, 0, 0), 7, 10);
    int stride = 0;
    const uint32_t* pixels = BitmapPixels(fresh, nullptr, nullptr, &stride);
    for (int i = 0; i < 64; ++i) EXPECT_EQ(pixels[i / 8 * stride + i % 8], kBlackPixel) << i;
    SelectObject(dc, previousBitmap);
    DeleteDC(dc);
    DeleteObject(fresh);
}

// Holding back pays for the walls' long runs of columns in one colour. An
// outline frame's plumb edges, next to another wall's or to a line in
// another pen, make short runs across colours and must not start it: every
// call after would be drawn twice.
TEST(HeldBackColumns, StartFromTheThirdColumnInOneColour) {
    TestSurface surface(8, 8);
    const gdi::Bitmap* bitmap = gdi::AsBitmap(surface.bitmap);
    DrawColumns(surface.dc, RGB(0, 0, 8), 1, 3);
    DrawColumns(surface.dc, RGB(0, 0, 9), 3, 5);
    EXPECT_FALSE(gdi::HoldsColumns(bitmap));
    DrawColumns(surface.dc, RGB(0, 0, 9), 5, 6);
    EXPECT_TRUE(gdi::HoldsColumns(bitmap));
}

// The bytes the allocator in use counts as taken, in its heap and, for
// large blocks, in pages of their own.
size_t LiveHeapBytes() {
#if defined(__SANITIZE_ADDRESS__)
    return __sanitizer_get_current_allocated_bytes();
#else
    const struct mallinfo2 figures = mallinfo2();
    return figures.uordblks + figures.hblkhd;
#endif
}

// A program may draw many frames into a bitmap before it reads one: the
// columns it holds back meanwhile must not take memory without end. Nor may
// the room that columns keep after a read add up, frame after frame, as each
// frame holds many spans back in other columns. A pen of width 3 holds back
// a span in each of four columns, one of width 2 in each of two; lines of
// width 2 are held back a run at a time.
void DrawWithBoundedMemory(int penWidth) {
    TestSurface surface(16, 16);
    // Two colours in turn, so that no column's spans join.
    Selection dark(surface, CreatePen(PS_SOLID, penWidth, RGB(0, 0, 8)));
    Selection light(surface, CreatePen(PS_SOLID, penWidth, RGB(0, 0, 9)));
    auto line = [&](int i, int x) {
        SelectObject(surface.dc, i % 2 ? light.object : dark.object);
        surface.Line(x, 1, x, 15);
    };
    // Three columns in one colour start holding back, which takes every
    // plumb line from then until a read.
    auto startHolding = [&] {
        for (int x = 1; x < 4; ++x) line(0, x);
    };
    const size_t before = LiveHeapBytes();
    uint32_t sink = 0;
    for (int x = 1; x < 16; x += 5) {  // 100,000 to 400,000 spans a column
        startHolding();
        for (int i = 0; i < 300'000; ++i) line(i, x + i % 3);
        GetBitmapBits(surface.bitmap, 4, &sink);
    }
    EXPECT_LT(int64_t(LiveHeapBytes() - before), int64_t(8) << 20);
    // 16 million spans, 256 MB if all held back.
    startHolding();
    for (int i = 0; i < 4'000'000; ++i) line(i, i % 14 + 1);
    EXPECT_LT(int64_t(LiveHeapBytes() - before), int64_t(80) << 20);
    EXPECT_EQ(surface.At(7, 8), 0x000009u);
}

TEST(HeldBackColumns, TakeBoundedMemory) {
    for (int penWidth : {2, 3}) {
        SCOPED_TRACE(penWidth);
        DrawWithBoundedMemory(penWidth);
    }
}

}  // namespace
