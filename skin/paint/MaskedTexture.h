#pragma once
// A texture whose mask image lies below its picture, tiled over a rectangle:
// every tile goes through the masked glyph copy, so the picture blends into
// what lies under it.
#include <cstdint>

#include "skin/core/SkinData.h"
#include "skin/core/SkinTypes.h"
#include "skin/paint/CacheView.h"
#include "skin/paint/PixelView.h"

namespace skin::paint {

// Tiles W x H (W = width of Mask.R div ImageCount, H = height div 2) over R
// of the 32-bit Bmp. Mode 0: whole tiles and the cut last column, no bottom
// remainder. Mode 10: whole tiles only; the bottom and right strips left
// show the parent from CI (its image when ready, else its fill colour at
// alpha 255). Both set R to NothingLeft. Other modes, a mask without
// manager or frames, or a tile under one pixel draw nothing and keep R.
void TileMaskedTexture(const TPixelView& bmp, TRect& r, const TCacheView& ci, const TsMaskData& mask,
                       std::uint8_t mode);

}  // namespace skin::paint
