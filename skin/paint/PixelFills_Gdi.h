#pragma once
// The fills and blends over the class library's bitmaps. Only pf32bit
// bitmaps are touched: any other format is left as it is, since these
// routines write whole 32-bit pixels.
#include <cstdint>

#include "skin/core/SkinTypes.h"

namespace classlib {
class TBitmap;
}

namespace skin::paint {

void PremultiplyAlpha(classlib::TBitmap* bmp);
void PremultiplyAlphaRect(classlib::TBitmap* bmp, const TRect& r);
void FillRect32(classlib::TBitmap* bmp, const TRect& r, TColor color, std::uint8_t alpha);
void FillAlphaRect(classlib::TBitmap* bmp, const TRect& r, std::uint8_t alpha, bool skipKeyColor);
void FillFrame32(classlib::TBitmap* bmp, const TRect& r, std::int32_t left, std::int32_t top, std::int32_t right,
                 std::int32_t bottom, TColor color);
// R inclusive on all sides; a system colour is resolved to its RGB value.
void BlendColorRect(classlib::TBitmap* bmp, const TRect& inclusiveRect, std::int32_t percent, TColor color);
void BlendColorRect32(classlib::TBitmap* bmp, const TRect& r, TColor color, std::int32_t percent,
                      std::uint8_t alpha);

// The pixel at (x, y) of a pf32bit bitmap; 0 outside it or for another format.
std::uint32_t GetBmpPixel32(classlib::TBitmap* bmp, std::int32_t x, std::int32_t y);
// Writes that pixel; nothing outside the bitmap or for another format.
void SetBmpPixel32(classlib::TBitmap* bmp, std::int32_t x, std::int32_t y, std::uint32_t value);

}  // namespace skin::paint
