#pragma once
// A picture of the skin at work: a small window with its title bar, panels,
// fields, buttons in each state, check boxes, gauge, a pop-up menu and a
// scroll bar, composed from the masks with the nine-piece rules of the
// painting code (tiled or stretched sides, corners at their own size, mask
// rows blending over the background). It is for looking at the skin as a
// whole, not part of the skin.
#include "bitmap/Bmp32.h"
#include "tools/skingen/MaskAtlas.h"

namespace skingen {

void RenderPreview(const TMaskAtlas& atlas, const bmp32::TCustomBitmap32& master, bmp32::TCustomBitmap32& out);

}  // namespace skingen
