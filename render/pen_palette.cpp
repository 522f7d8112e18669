#include "render/pen_palette.h"

#include <cstdlib>

__time64_t (*penClock)(__time64_t* result) = _time64;

namespace {

// One byte of a random colour: a draw's remainder by 255 minus a shift,
// wrapping modulo 256.
BYTE RandomByte(int shift) {
    return static_cast<BYTE>(rand() % 255 - shift);
}

// Three successive draws give blue, green and red, in that order. The
// dotted pens shift red by a constant 1 rather than by their index.
COLORREF RandomColour(int index, int redShift) {
    const BYTE blue = RandomByte(index);
    const BYTE green = RandomByte(index);
    const BYTE red = RandomByte(redShift);
    return RGB(red, green, blue);
}

HPEN RandomWallPen(int index) {
    return CreatePen(PS_SOLID, 2, RandomColour(index, index));
}

HPEN RandomDottedPen(int index) {
    return CreatePen(PS_DOT, 1, RandomColour(index, 1));
}

// Seeding from the clock in whole seconds keeps the colours steady for a
// second although the pens are re-created at every tick.
void SeedFromClock() {
    srand(static_cast<unsigned>(penClock(NULL) & 0xFFFFFFFF));
}

}  // namespace

void CreatePenPalette(LevelView* level) {
    level->thingPen = CreatePen(PS_SOLID, 0, 0x0000FF);
    level->segPen = CreatePen(PS_SOLID, 3, 0xFF0000);
    level->hatchBrush = CreateHatchBrush(HS_CROSS, 0x404040);
    SeedFromClock();
    for (int i = 0; i < kRandomPenCount; i++) level->wallPens[i] = RandomWallPen(i);
    for (int i = 0; i < kRandomPenCount; i++) level->dottedPens[i] = RandomDottedPen(i);
}

void RegenerateRandomPens(LevelView* level) {
    SeedFromClock();
    for (int i = 0; i < kRandomPenCount; i++) {
        DeleteObject(level->wallPens[i]);
        level->wallPens[i] = RandomWallPen(i);
    }
    for (int i = 0; i < kRandomPenCount; i++) {
        DeleteObject(level->dottedPens[i]);
        level->dottedPens[i] = RandomDottedPen(i);
    }
}

void DeletePenPalette(LevelView* level) {
    DeleteObject(level->thingPen);
    DeleteObject(level->segPen);
    DeleteObject(level->hatchBrush);
    for (int i = 0; i < kRandomPenCount; i++) {
        DeleteObject(level->wallPens[i]);
        DeleteObject(level->dottedPens[i]);
    }
}
