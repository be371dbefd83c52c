#pragma once
// The masked copy from the skin's master image whose key-colour pixels take
// the background behind the destination instead of being blended.
#include <cstdint>

#include "skin/core/SkinData.h"
#include "skin/core/SkinTypes.h"
#include "skin/paint/CacheView.h"
#include "skin/paint/PixelView.h"

namespace skin::paint {

// Copies the inclusive rectangle srcRect of the master image to the inclusive
// rectangle dstRect of dst: the smaller width and height of the two, cut to
// both views (a negative start moves both starts on by the same amount).
// The mask of source row y is row y + height(mask.R) div 2; rows whose mask
// row lies outside the master image are not copied. Per pixel s:
// - not the key colour: each colour byte d := ((d - s) x m + s x 256) shr 8
//   with m the mask pixel's same byte; alpha kept;
// - key colour, background Ready: FillColor's colour bytes (alpha kept) when
//   it is a colour, else the whole parent pixel when the parent has one there;
// - key colour, not Ready: the whole pixel := FillColor in pixel order when
//   it is a colour, else unchanged.
// Nothing happens unless dst and master are 32-bit views.
void CopyByMaskWithBg(const TRect& dstRect, const TRect& srcRect, const TPixelView& dst,
                      const TCacheView& background, const TsMaskData& mask, const TPixelView& master);

}  // namespace skin::paint
