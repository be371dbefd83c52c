#pragma once
// Integer and rectangle helpers. Rectangles are inclusive at left and top,
// exclusive at right and bottom.
#include <cstdint>

#include "skin/core/SkinTypes.h"

namespace skin {

inline int IfThenValue(bool condition, int a, int b) { return condition ? a : b; }
inline int MaxOf(int a, int b) { return a > b ? a : b; }
inline int MinOf(int a, int b) { return a < b ? a : b; }
// `min` when it is above the value, else the smaller of value and `max`.
inline int LimitValue(int value, int min, int max) { return min > value ? min : MinOf(value, max); }
// The value lies in the closed range between a and b, in either order.
inline bool IsBetween(int value, int a, int b) {
  return (a <= value && value <= b) || (b <= value && value <= a);
}
inline void SwapInts(int& a, int& b) {
  const int t = a;
  a = b;
  b = t;
}

inline TRect MakeRect(int left, int top, int right, int bottom) { return TRect{left, top, right, bottom}; }
// Right - Left and Bottom - Top (saturated to the int range); 0 instead of a
// negative value when clamped.
int RectWidth(const TRect& r, bool clampToZero = false);
int RectHeight(const TRect& r, bool clampToZero = false);
// r2 is not empty and reaches into r1 on both axes.
bool RectsOverlap(const TRect& r1, const TRect& r2);
// Both corner points of `inner` lie in `outer`, its right and bottom edges
// counted as inside.
bool RectInRect(const TRect& outer, const TRect& inner);
// The largest lefts and tops, the smallest rights and bottoms; may be empty.
TRect RectIntersection(const TRect& r1, const TRect& r2);

}  // namespace skin
