#pragma once
// The glow behind a caption: an 8-bit mask (text black on white) blurred
// with a Gaussian, then laid over a 32-bit image in the glow colour where
// the mask is darker than white.
#include <cstdint>

#include "skin/core/SkinTypes.h"
#include "skin/paint/PixelView.h"

namespace skin::paint {

// Blurs an 8-bit view in place with a Gaussian of radius Size: rows, then
// columns, edges clamped. Size < 1 (no spread) or another view leaves it.
void BlurGlowMask(const TPixelView& mask8, std::int32_t size);

// For each mask pixel m < 255 whose position, moved by Origin, lies inside
// the 32-bit Dst: each colour byte d := (d - c) x m div 255 + c and the
// alpha byte a := a + (255 - m) x (255 - a) div 255. Color is RGB.
void CompositeGlow(const TPixelView& dst, const TPixelView& mask8, const TPoint& origin, TColor color);

}  // namespace skin::paint
