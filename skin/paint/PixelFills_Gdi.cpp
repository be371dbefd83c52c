#include "skin/paint/PixelFills_Gdi.h"

#include "classlib/graphics/Colors.h"
#include "skin/paint/PixelFills.h"
#include "skin/paint/PixelOps.h"
#include "skin/paint/PixelView_Gdi.h"

namespace skin::paint {

void PremultiplyAlpha(classlib::TBitmap* bmp) { PremultiplyAlpha(ViewOf(bmp)); }

void PremultiplyAlphaRect(classlib::TBitmap* bmp, const TRect& r) { PremultiplyAlphaRect(ViewOf(bmp), r); }

void FillRect32(classlib::TBitmap* bmp, const TRect& r, TColor color, std::uint8_t alpha) {
  FillRect32(ViewOf(bmp), r, color, alpha);
}

void FillAlphaRect(classlib::TBitmap* bmp, const TRect& r, std::uint8_t alpha, bool skipKeyColor) {
  FillAlphaRect(ViewOf(bmp), r, alpha, skipKeyColor);
}

void FillFrame32(classlib::TBitmap* bmp, const TRect& r, std::int32_t left, std::int32_t top, std::int32_t right,
                 std::int32_t bottom, TColor color) {
  FillFrame32(ViewOf(bmp), r, left, top, right, bottom, color);
}

void BlendColorRect(classlib::TBitmap* bmp, const TRect& inclusiveRect, std::int32_t percent, TColor color) {
  BlendColorRect(ViewOf(bmp), inclusiveRect, percent, classlib::ColorToRGB(color));
}

void BlendColorRect32(classlib::TBitmap* bmp, const TRect& r, TColor color, std::int32_t percent,
                      std::uint8_t alpha) {
  BlendColorRect32(ViewOf(bmp), r, color, percent, alpha);
}

std::uint32_t GetBmpPixel32(classlib::TBitmap* bmp, std::int32_t x, std::int32_t y) {
  const TPixelView view = ViewOf(bmp);
  return view.Is32() && view.Contains(x, y) ? GetBmpPixel32(view, x, y) : 0;
}

void SetBmpPixel32(classlib::TBitmap* bmp, std::int32_t x, std::int32_t y, std::uint32_t value) {
  const TPixelView view = ViewOf(bmp);
  if (view.Is32() && view.Contains(x, y)) SetBmpPixel32(view, x, y, value);
}

}  // namespace skin::paint
