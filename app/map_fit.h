// Bringing a map into view: the fit that Home makes, and the look taken
// whenever a map is shown at whether its built-in view shows any of it.
#pragma once

#include "wad/level_view.h"

// Rows at the top of the client area that the status line writes over.
constexpr int32_t kStatusLineHeight = 16;

// Sets scale and offsets so that the bounding box of the map's vertices
// fills the client area below the status line, centred, with a margin. A
// map without vertices leaves the view as it is.
void FitViewToMap(LevelView* level);

// Called when a map has just been shown with its built-in view: replaces
// the view with the fitted one when none of the map's linedefs, drawn under
// it, would reach the client area below the status line. Without a client
// area to judge by, the look waits for the next size notification.
void FitViewWhenMapOutOfSight(LevelView* level);

// True while a map shown has not been looked at yet: from window creation,
// which comes before the first size notification, or from a map shown with
// no client area. Only the size notification that ends it can fit the view;
// later resizes never refit.
extern bool viewLookPending;
