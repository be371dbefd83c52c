#pragma once
#include "tools/skingen/MaskAtlas.h"

namespace skingen {

// Draws every border, glyph and state image of the skin into the atlas.
void AddSkinMasks(TMaskAtlas& atlas);

}  // namespace skingen
