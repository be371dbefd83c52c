#pragma once
// Colour transforms of the skin's hue and saturation options, colour mixing
// and greying. Colours are TColor (0x00BBGGRR); the "Adjust" forms take
// pixels (0xAARRGGBB). The fourth byte is always kept. The "no colour" value
// 0xFF00FF (and -1) is never shifted.
#include <cstdint>

#include "skin/core/SkinTypes.h"
#include "skin/paint/PixelView.h"

namespace skin::paint {

// The pixel's hue turned by Degrees (any sign); grey pixels unchanged.
std::uint32_t AdjustHue(std::int32_t degrees, std::uint32_t pixel);
// AdjustHue on a colour; unchanged for 0 degrees and for "no colour".
TColor ChangeHue(std::int32_t degrees, TColor color);

// Channels moved away from (positive) or toward (negative) their grey
// average by Percent; 0 leaves the colour as it is.
std::uint32_t AdjustSaturation(std::int32_t percent, std::uint32_t color);
TColor ChangeSaturation(TColor color, std::int32_t percent);

// Round(c1 x Ratio + c2 x (1 - Ratio)) per channel, halves to even; the
// fourth byte of Color1.
TColor MixColors(TColor color1, TColor color2, double ratio);

// Every pixel of a 32-bit view that is neither the key colour nor grey.
void AdjustBitmapHue(const TPixelView& bmp, std::int32_t degrees);
void AdjustBitmapSaturation(const TPixelView& bmp, std::int32_t percent);
// Each pixel's colour := (B + G + R) div 3; the Trans form leaves pixels of
// TransColor (with a zero fourth byte) alone.
void GrayscaleBmp(const TPixelView& bmp);
void GrayscaleBmpTrans(const TPixelView& bmp, TColor transColor);

// A skin percent (0..100) as a byte weight: Round(Percent x 2.55) in exact
// decimal arithmetic, halves to even (50 gives 128, 90 gives 230).
std::uint8_t PercentToByteWeight(std::int32_t percent);

}  // namespace skin::paint
