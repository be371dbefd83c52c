#pragma once
// Copies of 32-bit images with straight alpha onto 32-bit bitmaps: the
// pictures of image lists, the library's PNG graphic and window adapters.
// Non-32-bit views are refused; nothing is read or written outside the two
// bitmaps and the parent image.
#include <cstdint>

#include "skin/core/SkinTypes.h"
#include "skin/paint/CacheView.h"
#include "skin/paint/PixelView.h"

namespace skin::paint {

// Inclusive rectangles. Each source pixel is composited over Dst by its
// alpha a (colour d := ((s - d) x a + d x 256) shr 8; with a <> 0 the alpha
// A := A + (255 - A) x a div 255). With CI ready, key pixels are not
// composited: with UseCache they take the parent's colour, opaque.
void CopyTransRect(const TRect& dstRect, const TRect& srcRect, const TPixelView& dst, bool useCache,
                   const TCacheView& ci, const TPixelView& src);

// Right/bottom-exclusive rectangles. Alpha scaled by (100 - Transparency)
// percent; BlendColor other than clNone recolours each pixel from its grey
// level; with CI ready key pixels are not composited (UseCache: they take
// the parent's colour). Reflected paints a fading mirror of the source's
// lower half below DstRect.
void CopyAlphaBitmap(const TRect& dstRect, const TRect& srcRect, const TPixelView& dst, const TPixelView& src,
                     const TCacheView& ci, bool useCache, TColor blendColor, std::int32_t transparency,
                     bool reflected);

}  // namespace skin::paint
