// What the page asks of the viewer outside the window's messages.
#include <emscripten.h>

#include "wad/level_view.h"

// The map on show, 0 for E1M1. The page reloads a map through the map keys,
// which read DOOM1.WAD anew, and needs to know which way leads back.
extern "C" EMSCRIPTEN_KEEPALIVE int VellumtarnMapIndex() {
    return mapIndex;
}
