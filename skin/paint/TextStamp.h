#pragma once
// Text written onto a 32-bit image with correct alpha: the text is drawn
// black on white into a stamp, and the stamp's darkness mixes the colour
// into the image.
#include <cstdint>

#include "skin/core/SkinTypes.h"
#include "skin/paint/PixelView.h"

namespace skin::paint {

// For each stamp pixel p other than white (0x00FFFFFF or 0xFFFFFFFF) whose
// position moved by At lies inside Dst: k := (R + G + B) div 3 of p; each
// colour byte d := ((d - c) x k + c x 256) shr 8; alpha := 255. Color is RGB.
void StampText(const TPixelView& dst, const TPixelView& stamp, const TPoint& at, TColor color);

}  // namespace skin::paint
