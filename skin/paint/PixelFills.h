#pragma once
// Solid fills, alpha fills, premultiplication and colour blends over
// rectangles of 32-bit views. Every routine clips its rectangle to the view
// and does nothing for a view that is not 32 bits a pixel, so no caller can
// make one write outside the bitmap. Colours are TColor (0x00BBGGRR).
#include <cstdint>

#include "skin/core/SkinTypes.h"
#include "skin/paint/PixelView.h"

namespace skin::paint {

// The pixel 0x00FFFFFF (white with alpha 0) becomes 0; any other pixel gets
// each colour byte c := c x alpha shr 8, alpha unchanged.
void PremultiplyAlphaRect(const TPixelView& bmp, const TRect& r);
void PremultiplyAlpha(const TPixelView& bmp);

// Every pixel of R := Color in pixel order with alpha byte Alpha.
void FillRect32(const TPixelView& bmp, const TRect& r, TColor color, std::uint8_t alpha);
// Sets the alpha byte of every pixel of R; with skipKeyColor pixels that are
// the key colour (0x00FF00FF) keep alpha 0.
void FillAlphaRect(const TPixelView& bmp, const TRect& r, std::uint8_t alpha, bool skipKeyColor);
// The bands of R at alpha 255: top (whole width, `top` high), left (below
// it, `left` wide), bottom (right of the left band, `bottom` high) and right
// (between top and bottom bands, `right` wide); nothing outside R.
void FillFrame32(const TPixelView& bmp, const TRect& r, std::int32_t left, std::int32_t top,
                 std::int32_t right, std::int32_t bottom, TColor color);

// Percent values outside 0..100 count as the nearer end, so a blend never
// leaves the byte range.
// R is inclusive on all sides. Each colour byte keeps Percent % of itself and
// takes the rest from rgbColor (an RGB value: system colours resolved by the
// caller), rounded to the nearest integer with halves to even; alpha kept.
void BlendColorRect(const TPixelView& bmp, const TRect& inclusiveRect, std::int32_t percent, TColor rgbColor);
// Each colour byte moves Percent % of the way towards Color (its high byte
// ignored), halves to even, and the alpha byte becomes Alpha.
void BlendColorRect32(const TPixelView& bmp, const TRect& r, TColor color, std::int32_t percent,
                      std::uint8_t alpha);

}  // namespace skin::paint
