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

// Four lines: top, bottom and both ends.
void DrawWallOutline(HDC surface, const ProjectedWall& wall);

// One vertical line per column from the first end's column up to the last
// whole column before the second end's, limited to the columns that lie on
// the surface.
void DrawWallColumns(HDC surface, const ProjectedWall& wall);
