#pragma once
// Where a mask's pixels lie: its own image, or the master image of the skin
// its manager holds.
#include "skin/core/SkinData.h"
#include "skin/paint/PixelView.h"

namespace skin::paint {

// The mask's own image when it has one, else its manager's master image;
// empty when the mask has no manager (not usable) or the manager no skin.
TPixelView MaskImageView(const TsMaskData& mask);

}  // namespace skin::paint
