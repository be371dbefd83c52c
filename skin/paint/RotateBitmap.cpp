#include "skin/paint/RotateBitmap.h"

namespace skin::paint {

bool RotateBitmap90(const TPixelView& src, const TPixelView& dst, bool clockwise) {
  if (!src.Is32() || !dst.Is32() || dst.Width != src.Height || dst.Height != src.Width) return false;
  const std::int32_t w = src.Width;
  const std::int32_t h = src.Height;
  for (std::int32_t y = 0; y < h; ++y) {
    const std::uint32_t* s = src.Row32(y);
    if (clockwise) {
      for (std::int32_t x = 0; x < w; ++x) dst.Pixel32(h - 1 - y, x) = s[x];
    } else {
      for (std::int32_t x = 0; x < w; ++x) dst.Pixel32(y, x) = s[w - 1 - x];
    }
  }
  return true;
}

}  // namespace skin::paint
