#pragma once
// Small skin images (ticks, arrows, title-bar buttons, a section's corner
// images) painted at their own size, one frame of a mask strip per state.
#include <cstdint>

#include "skin/core/SkinData.h"
#include "skin/core/SkinTypes.h"
#include "skin/paint/CacheView.h"
#include "skin/paint/PixelView.h"

namespace skin::paint {

// Frame `state` of the strip (a negative state shows frame 0, one beyond the
// strip the last frame) with its top-left pixel at Pos of the 32-bit Bmp;
// columns and rows before the bitmap's edge are left out. Mode 1 draws
// normally, any other mode lighter. Masks with a mask image blend through
// it (CopyGlyphByMask); unmasked ones from the master image are keyed copies
// whose key pixels show CI's background (Mode 1), or half-and-half blends
// (other modes). Nothing for a strip without frames, a negative mask type, a
// mask without manager, or an own image smaller than the mask rectangle.
void PaintMaskGlyph(const TPixelView& bmp, const TPoint& pos, std::int32_t state, std::int32_t mode,
                    const TsMaskData& mask, const TCacheView& ci);

// The inclusive SrcRect of Src onto the inclusive DstRect of Dst through the
// mask one frame height below the source (height(Mask.R) div (MaskType +
// 1)); TransColor is not consulted, the key is 0xFF00FF. MaskType 0 is a
// keyed copy. Otherwise source key pixels and mask red 255 are skipped; the
// others mix per channel d := ((d - s) x M + s x 256) shr 8 (Mode other
// than 1: M raised by 100, at most 255) and raise the alpha by
// ((255 - a) x (255 - red of M)) shr 8.
void CopyGlyphByMask(const TRect& dstRect, const TRect& srcRect, const TPixelView& dst, const TPixelView& src,
                     TColor transColor, std::int32_t mode, const TsMaskData& mask);

}  // namespace skin::paint
