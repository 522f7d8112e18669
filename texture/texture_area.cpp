#include "texture/texture_area.h"

#include "wad/level_view.h"

uint32_t textureArea[kTextureAreaPixels];

uint32_t* textureStore = textureArea;
