#pragma once
// Gradients over the class library's bitmaps: vertical and horizontal bands
// through the portable painter, the four triangles of mode 2 through the
// system's gradient fill (loaded by name; without it mode 2 paints nothing).
#include <cstdint>

#include "skin/core/GradientData.h"
#include "skin/core/SkinTypes.h"

namespace bmp32 {
class TCustomBitmap32;
}
namespace classlib {
class TBitmap;
}

namespace skin::paint {

// Bitmaps of other formats than pf32bit are painted through a 32-bit copy
// (their alpha is lost). Mode 2 draws on the bitmap's canvas: the vertices are the cut rectangle's top-left, centre, top-right,
// bottom-right and bottom-left corners, coloured by Color1 of steps 0..4 (a
// missing step repeats the colour before it), alpha 255.
void PaintGradient(classlib::TBitmap* bmp, const TRect& r, const TsGradientArray& steps, std::int32_t offset = 0);

// The blended painter, the texture read from Src (a mask's own image or the
// skin's master image).
void PaintGradientBlended(classlib::TBitmap* bmp, const TRect& r, const TsGradientArray& steps, std::uint8_t alpha,
                          std::int32_t amount, const TRect& srcRect, const bmp32::TCustomBitmap32* src);

// Whether the system's gradient fill was found.
bool GradientFillAvailable();

}  // namespace skin::paint
