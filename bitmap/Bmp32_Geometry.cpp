#include "bitmap/Bmp32_Geometry.h"

#include <algorithm>
#include <cmath>

#include "bitmap/Bmp32_Math.h"

namespace bmp32 {

TRect MakeRect(const TFixedRect& rect, TRectRounding rounding) {
  switch (rounding) {
    case rrOutside:
      return {FixedFloor(rect.Left), FixedFloor(rect.Top), FixedCeil(rect.Right), FixedCeil(rect.Bottom)};
    case rrInside: {
      TRect r{FixedCeil(rect.Left), FixedCeil(rect.Top), FixedFloor(rect.Right), FixedFloor(rect.Bottom)};
      if (r.Right < r.Left) r.Right = r.Left;
      if (r.Bottom < r.Top) r.Bottom = r.Top;
      return r;
    }
    case rrClosest:
    default:
      return {FixedRound(rect.Left), FixedRound(rect.Top), FixedRound(rect.Right), FixedRound(rect.Bottom)};
  }
}

TFixedRect MakeFixedRect(const TRect& rect) {
  return {ToFixed(rect.Left), ToFixed(rect.Top), ToFixed(rect.Right), ToFixed(rect.Bottom)};
}

TFloatRect MakeFloatRect(const TRect& rect) {
  return {static_cast<float>(rect.Left), static_cast<float>(rect.Top), static_cast<float>(rect.Right),
          static_cast<float>(rect.Bottom)};
}

TFixed ToFixed(float s) { return static_cast<TFixed>(std::nearbyint(static_cast<double>(s) * 65536.0)); }

bool IntersectRect(TRect& dst, const TRect& r1, const TRect& r2) {
  const TRect r{std::max(r1.Left, r2.Left), std::max(r1.Top, r2.Top), std::min(r1.Right, r2.Right),
                std::min(r1.Bottom, r2.Bottom)};
  if (r.Right >= r.Left && r.Bottom >= r.Top) {
    dst = r;
    return true;
  }
  dst = TRect{};
  return false;
}

TFloatRect InflateRect(const TFloatRect& rect, float dx, float dy) {
  return {rect.Left - dx, rect.Top - dy, rect.Right + dx, rect.Bottom + dy};
}

}  // namespace bmp32
