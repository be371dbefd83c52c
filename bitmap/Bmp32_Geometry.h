#pragma once
// Points and rectangles of the bitmap library in integer, 16.16 fixed-point
// and floating-point form, and the routines that convert between them.
#include <cstdint>

#include "bitmap/Bmp32_Types.h"

namespace bmp32 {

struct TPoint {
  std::int32_t X = 0;
  std::int32_t Y = 0;
  friend bool operator==(const TPoint&, const TPoint&) = default;
};

struct TFixedRect {
  TFixed Left = 0;
  TFixed Top = 0;
  TFixed Right = 0;
  TFixed Bottom = 0;
  friend bool operator==(const TFixedRect&, const TFixedRect&) = default;
};

struct TFloatRect {
  float Left = 0;
  float Top = 0;
  float Right = 0;
  float Bottom = 0;
  friend bool operator==(const TFloatRect&, const TFloatRect&) = default;
};

// How MakeRect turns fixed-point edges into whole pixels.
enum TRectRounding { rrClosest = 0, rrOutside = 1, rrInside = 2 };

constexpr TPoint Point(std::int32_t x, std::int32_t y) { return {x, y}; }
constexpr TRect MakeRect(std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b) {
  return {l, t, r, b};
}
TRect MakeRect(const TFixedRect& rect, TRectRounding rounding = rrClosest);
constexpr TFixedRect MakeFixedRect(TFixed l, TFixed t, TFixed r, TFixed b) { return {l, t, r, b}; }
// Each edge shifted left by 16 (callers keep edges within +-32767).
TFixedRect MakeFixedRect(const TRect& rect);
TFloatRect MakeFloatRect(const TRect& rect);

// Round(S * 65536), ties to even.
TFixed ToFixed(float s);
constexpr TFixed ToFixed(std::int32_t i) { return static_cast<TFixed>(static_cast<std::uint32_t>(i) << 16); }

// Dst := the overlap of r1 and r2. True when it has Right >= Left and
// Bottom >= Top (a zero-width overlap counts); otherwise Dst := (0, 0, 0, 0).
bool IntersectRect(TRect& dst, const TRect& r1, const TRect& r2);
inline bool EqualRect(const TRect& a, const TRect& b) { return a == b; }
TFloatRect InflateRect(const TFloatRect& rect, float dx, float dy);
constexpr bool IsRectEmpty(const TRect& r) { return r.Right <= r.Left || r.Bottom <= r.Top; }

}  // namespace bmp32
