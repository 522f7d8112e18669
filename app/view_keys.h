// The keyboard controls: each key changes the view's variables only; the
// next paint shows the change.
#pragma once

#include "render/windows_api.h"
#include "wad/level_view.h"

// The step of Page Up and Page Down on the overview's scale.
constexpr float kZoomStep = 0.5f;

// Acts on one key-down; keys outside the table change nothing.
void ApplyViewKey(LevelView* level, HWND window, WPARAM key);

// Copies the scale and offsets of the map that mapIndex names.
void ApplyMapViewDefaults(LevelView* level);
