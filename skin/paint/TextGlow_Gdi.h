#pragma once
// A blurred glow around a caption on a 32-bit image, and the white
// highlight of a rectangle: soft rounded rings that fade toward a colour.
#include <cstdint>
#include <memory>
#include <string>

#include "skin/core/SkinTypes.h"

namespace classlib {
class TBitmap;
}

namespace skin::paint {

struct TTextGlowParams {
  std::wstring Text;
  TRect R;
  std::uint32_t Flags = 0;   // DrawText flags, applied within R
  TColor Color = 0;          // the glow's colour
  std::int32_t Size = 0;     // blur radius; below 1 there is no glow
  std::int32_t Sides = 15;   // 1 left, 2 up, 4 right, 8 down: text copies widening the glow
};

// The caller's blurred glow mask, kept between calls with what it was made
// from, so that a changed caption of the same size never shows the old glow.
struct TGlowMask {
  std::unique_ptr<classlib::TBitmap> Bmp;  // pf8bit
  std::wstring Text;
  std::uint32_t Flags = 0;
  std::int32_t Sides = 0;
};

// Lays the glow of Text in Dst's canvas font over the pf32bit Dst. A mask
// of the size the text rectangle needs, made from the same text, flags and
// sides, is used as it is; otherwise it is (re)made and blurred.
void PaintTextGlow(classlib::TBitmap* dst, TGlowMask& mask, const TTextGlowParams& p);

// Rings from R's edge inward, white at the edge and a step darker each
// ring down to the grey Percent x 255 div 100 in the centre, mixed with
// Color (d := ((d - c) x m + c x 256) shr 8). Depth and Radius are limited
// to 0 .. half the smaller side; Percent to 0..100.
void PaintWhiteHighlight(classlib::TBitmap* bmp, const TRect& r, std::int32_t percent, TColor color,
                         std::int32_t depth, std::int32_t radius);

}  // namespace skin::paint
