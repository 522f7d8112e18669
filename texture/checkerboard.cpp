#include <cmath>

#include "texture/texture_store.h"
#include "wad/level_view.h"

namespace {

constexpr int kBoardSize = 512;
constexpr int kSquaresPerSide = 8;

// The index of the square that a row or column falls in: the product is
// formed in single precision and floored in double precision. 1 / 512 and
// 8 are powers of two, so the product is exactly position / 64.
int SquareIndex(int position) {
    const float scaled = static_cast<float>(position) * (1.0f / kBoardSize) * kSquaresPerSide;
    return static_cast<int>(std::floor(static_cast<double>(scaled)));
}

}  // namespace

void FillCheckerboard() {
    for (int row = 0; row < kBoardSize; ++row) {
        for (int column = 0; column < kBoardSize; ++column) {
            const bool white = (SquareIndex(row) + SquareIndex(column)) % 2 == 0;
            textureStore[row * kBoardSize + column] = white ? 0xFFFFFFFFu : 0u;
        }
    }
}
