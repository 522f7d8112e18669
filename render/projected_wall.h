// A wall reduced to its two projected ends, and how they are drawn.
#pragma once

#include <cstdint>

#include "platform/windows_api.h"

// An end's offsets from the centre of the client area: its column to the
// right, and its top and bottom rows upwards.
struct ProjectedEnd {
    float x;
    float top;
    float bottom;
};

// The ends as given, or a wall crossing the player's depth whose lines run
// the other way round.
struct ProjectedWall {
    ProjectedEnd end1;
    ProjectedEnd end2;
    bool crossing;
};

// Half the client width and height, taken as unsigned and rounded down.
int64_t HalfClientWidth();
int64_t HalfClientHeight();

// The pixel column halfW + offset and row halfH - offset, halfW and halfH
// read from the client size at each call. Offsets that saturated on their
// way to an integer keep the sum inside the 32-bit range.
int32_t CentreColumnPlus(int32_t offset);
int32_t CentreRowMinus(int32_t offset);

// Four lines: top, bottom and both ends.
void DrawWallOutline(HDC surface, const ProjectedWall& wall);

// One vertical line per column from the first end's column up to the last
// whole column before the second end's, limited to the columns that lie on
// the surface.
void DrawWallColumns(HDC surface, const ProjectedWall& wall);
