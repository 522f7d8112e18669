// Where the frame sweep puts the player on a loaded map.
#pragma once

#include <cstdint>
#include <random>
#include <string>

#include "wad/level_view.h"

struct SweepPosition {
    float x;
    float y;
    float angle;
    std::string where;  // how the position was chosen, for the report
};

// Position number i of a map, in turn: on a vertex and on a point of a
// partition line, both as map coordinates (where the walk places the
// player) and as surface coordinates (where the walls are seen from, so a
// seg end lies at or next to the player), and anywhere in and around the
// map in either space. Every fourth angle is a multiple of a right angle.
SweepPosition PickPosition(const LevelView& level, int i, std::mt19937& random);
