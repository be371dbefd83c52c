#pragma once
// Constant-factor and alpha blends between 32-bit bitmaps. Only colour bytes
// change unless said otherwise. Non-32-bit views are refused and every
// routine stays inside each bitmap it reads or writes.
#include <cstdint>

#include "skin/core/SkinTypes.h"
#include "skin/paint/PixelView.h"

namespace skin::paint {

// SrcRect (right/bottom exclusive) of Src mixed into Dst at DstPos: each
// colour byte d := (d x Alpha + s x (256 - Alpha)) shr 8; Alpha is the
// destination's share. Negative starts on either side move both.
void BlendRect256(const TPixelView& dst, const TPixelView& src, std::uint8_t alpha, const TPoint& dstPos,
                  const TRect& srcRect);

// The inclusive SrcRect of Src, cut to Src, mixed into Dst at (X, Y): each
// colour byte of a source pixel that is not TransColor's key becomes
// Round(s - (s - d) x Ratio), halves to even; Ratio (0..1) is the
// destination's share.
void BlendTransRect(const TPixelView& dst, std::int32_t x, std::int32_t y, TColor transColor, double ratio,
                    const TRect& srcRect, const TPixelView& src);

// Dst := ((a - b) x W + b x 256) shr 8 for every byte of equal-sized Src1 (a)
// and Src2 (b), W = Weight (0..256), over the part that lies in Dst; with a
// Mask the weight of each pixel is scaled by the mask's red byte as in
// AlphaBlendByMask (0 full, 255 none). Src1's alpha is kept.
void BlendBitmaps(const TPixelView& dst, const TPixelView& src1, const TPixelView& src2, std::uint16_t weight,
                  const TPixelView& mask);

// Inside R (right/bottom exclusive, the same place in all three bitmaps):
// Src over Dst by Src's alpha a, d := ((s - d) x a + d x 256) shr 8, a being
// scaled by the mask's red byte m: 0 keeps a, 255 keeps Dst, others give
// a x (255 - m) shr 8. An empty Mask leaves a as it is.
void AlphaBlendByMask(const TPixelView& dst, const TPixelView& src, const TPixelView& mask, const TRect& r);

// Every pixel that is not the key: each colour byte := Round((b - c) x Ratio
// + c), halves to even, c the matching byte of Color; Ratio (0..1) is the
// pixel's share (0.4 gives the disabled look).
void FadeBmpToColor(const TPixelView& bmp, TColor color, double ratio);

// For bitmaps of equal size only: each colour byte d := ((d - c) x m + c x
// 256) shr 8, m the same byte of the mask pixel (0 gives the colour, 255
// keeps the pixel).
void BlendColorByMask(const TPixelView& bmp, const TPixelView& mask, TColor color);

// For bitmaps of equal size only: each colour byte d := ((d - s) x Alpha +
// s x 256) shr 8.
void BlendEqualBitmaps(const TPixelView& dst, const TPixelView& src, std::uint8_t alpha);

}  // namespace skin::paint
