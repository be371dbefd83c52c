#pragma once
// The masked piece copy of the alpha-keeping painters (layered windows):
// where the ordinary masked copy leaves key pixels to the background, this
// one gives them alpha 0, and every copied pixel gets an alpha from its mask.
#include <cstdint>

#include "skin/core/SkinData.h"
#include "skin/core/SkinTypes.h"
#include "skin/paint/CacheView.h"
#include "skin/paint/PixelView.h"

namespace skin::paint {

// One row with no parent image. m is the red byte of the mask pixel. A
// source pixel that is not the key: each colour byte d := (d x m + s x
// (255 - m)) shr 8 and the alpha a := max(a, 255 - m). A key pixel: alpha 0,
// colour kept.
void CopyRowByMask32(std::uint32_t* dst, const std::uint32_t* src, const std::uint32_t* mask, std::int32_t count);

// Inclusive rectangles, clipped as CopyByMask (the mask of source row y is
// row y + height(Mask.R) div 2). Key pixels take the parent's pixel behind
// them when CI is ready with an image (and has one there), else become
// transparent.
void CopyByMask32(const TRect& dstRect, const TRect& srcRect, const TPixelView& dst, const TPixelView& src,
                  const TCacheView& ci, const TsMaskData& mask);

}  // namespace skin::paint
