#pragma once
// Copies that skip or replace key pixels: the pieces of the nine-piece mask
// painter and of glyph strips. Source rectangles are inclusive on all sides
// (their right and bottom are the last column and row). Every routine
// refuses views that are not 32-bit where it needs 32-bit pixels, and reads
// and writes only inside its bitmaps and the parent image.
#include <cstdint>

#include "skin/core/SkinData.h"
#include "skin/core/SkinTypes.h"
#include "skin/paint/CacheView.h"
#include "skin/paint/PixelView.h"

namespace skin::paint {

// SrcRect of Src, cut to Src, to (X, Y) of Dst: source pixels whose whole
// value is not TransColor's key (blue, green, red, fourth byte 0) are written
// whole; the rest leave Dst as it is. CI is not consulted.
void CopyKeyedRect(const TPixelView& dst, const TPixelView& src, std::int32_t x, std::int32_t y,
                   const TRect& srcRect, TColor transColor, const TCacheView& ci);

// Like CopyKeyedRect; with UpdateCorners, key pixels take the parent's pixel
// behind them (CI ready with an image), or CI's fill colour (CI not ready).
// When Dst is the parent image itself, copied pixels become opaque instead
// and key pixels stay.
void CopyTransparentRect(const TPixelView& dst, const TPixelView& src, std::int32_t x, std::int32_t y,
                         const TRect& srcRect, TColor transColor, const TCacheView& ci, bool updateCorners);

// A masked piece: the mask lies height(Mask.R) div 2 rows below the source
// rows. Per channel d := ((d - s) x m + s x 256) shr 8. Key pixels are
// blended (CI ready, flag clear), take the parent (ready, flag set), are
// skipped (not ready, flag clear) or take CI's fill colour with its fourth
// byte as alpha (not ready, flag set); a ready CI makes the piece opaque.
void CopyByMask(const TRect& dstRect, const TRect& srcRect, const TPixelView& dst, const TPixelView& src,
                const TCacheView& ci, bool updateCorners, const TsMaskData& mask);

// The whole of Src (24- or 32-bit) at (X, Y) of the 32-bit Dst, skipping
// pixels of TransColor (a 32-bit pixel matches with a zero fourth byte);
// copied pixels are opaque.
void CopyBmpWithKey(const TPixelView& dst, const TPixelView& src, std::int32_t x, TColor transColor,
                    std::int32_t y);

}  // namespace skin::paint
