// Where a map coordinate lands on the drawing surface in the overview.
#pragma once

// (coordinate x scale + offset x scale) / 10, in single precision and in
// exactly this order; the caller passes offset x scale, which it may compute
// once for many points.
inline float OverviewCoordinate(float mapCoordinate, float scale, float scaledOffset) {
    return (mapCoordinate * scale + scaledOffset) / 10.0f;
}
