// Where a map coordinate lands on the drawing surface in the overview.
#pragma once

#include "wad/level_view.h"

// (coordinate x scale + offset x scale) / 10, in single precision and in
// exactly this order; the caller passes offset x scale, which it may compute
// once for many points.
inline float OverviewCoordinate(float mapCoordinate, float scale, float scaledOffset) {
    return (mapCoordinate * scale + scaledOffset) / 10.0f;
}

// The overview's scale and scaled offsets, read once for many points: for
// all the compiler knows, the drawing calls between the points change the
// record, so it read and multiplied them again for every point.
struct OverviewPlacement {
    float scale;
    float scaledOffsetX;
    float scaledOffsetY;
};

inline OverviewPlacement OverviewPlacementOf(const LevelView* level) {
    return {level->scale, level->offsetX * level->scale, level->offsetY * level->scale};
}

inline float OverviewX(const OverviewPlacement& at, float x) {
    return OverviewCoordinate(x, at.scale, at.scaledOffsetX);
}

inline float OverviewY(const OverviewPlacement& at, float y) {
    return OverviewCoordinate(y, at.scale, at.scaledOffsetY);
}
