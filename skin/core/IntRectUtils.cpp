#include "skin/core/IntRectUtils.h"

#include <algorithm>
#include <limits>

namespace skin {

namespace {

int Extent(int32_t from, int32_t to, bool clampToZero) {
  // In 64 bits: the difference of two extreme coordinates does not fit 32.
  const int64_t d = static_cast<int64_t>(to) - from;
  if (clampToZero && d < 0) return 0;
  return static_cast<int>(std::clamp<int64_t>(d, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

}  // namespace

int RectWidth(const TRect& r, bool clampToZero) { return Extent(r.Left, r.Right, clampToZero); }
int RectHeight(const TRect& r, bool clampToZero) { return Extent(r.Top, r.Bottom, clampToZero); }

bool RectsOverlap(const TRect& r1, const TRect& r2) {
  return r2.Bottom > r1.Top && r2.Right > r1.Left && r2.Left < r1.Right && r2.Top < r1.Bottom && !r2.IsEmpty();
}

bool RectInRect(const TRect& outer, const TRect& inner) {
  const auto inside = [&outer](int32_t x, int32_t y) {
    return outer.Left <= x && x <= outer.Right && outer.Top <= y && y <= outer.Bottom;
  };
  return inside(inner.Left, inner.Top) && inside(inner.Right, inner.Bottom);
}

TRect RectIntersection(const TRect& r1, const TRect& r2) {
  return TRect{std::max(r1.Left, r2.Left), std::max(r1.Top, r2.Top), std::min(r1.Right, r2.Right),
               std::min(r1.Bottom, r2.Bottom)};
}

}  // namespace skin
