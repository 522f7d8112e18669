#include "tools/frame/option_values.h"

#include <cstdio>
#include <cstring>

#include "wad/level_view.h"

namespace {

// Large enough for any screen, small enough that the frame fits in memory.
constexpr int kLargestSide = 8192;

}  // namespace

bool ParseSize(const char* text, int& width, int& height) {
    char rest = '\0';
    if (sscanf(text, "%dx%d%c", &width, &height, &rest) != 2) return false;
    return width >= 1 && width <= kLargestSide && height >= 1 && height <= kLargestSide;
}

bool ParseMap(const char* text, int& index) {
    for (int i = 0; i < kMapCount; ++i) {
        if (strcmp(text, mapTable[i].name) == 0) {
            index = i;
            return true;
        }
    }
    return false;
}
