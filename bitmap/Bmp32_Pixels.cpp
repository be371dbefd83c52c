// Pixel reads and the plain pixel-writing operations of TCustomBitmap32.
#include <algorithm>

#include "bitmap/Bmp32.h"
#include "bitmap/Bmp32_Gamma.h"

namespace bmp32 {

TColor32 TCustomBitmap32::PixelSafe(std::int32_t x, std::int32_t y) const {
  if (x >= clipRect_.Left && x < clipRect_.Right && y >= clipRect_.Top && y < clipRect_.Bottom)
    return Pixel(x, y);
  return outerColor_;
}

TColor32 TCustomBitmap32::PixelWrap(std::int32_t x, std::int32_t y) const {
  // An empty clip rectangle has no pixel to wrap onto.
  if (IsRectEmpty(clipRect_)) return outerColor_;
  return Pixel(wrapX_(x, clipRect_.Left, clipRect_.Right - 1), wrapY_(y, clipRect_.Top, clipRect_.Bottom - 1));
}

TColor32 TCustomBitmap32::Interpolate(std::int32_t x, std::int32_t y) const {
  const TColor32* p = PixelPtr(x >> 8, y >> 8);
  const std::uint32_t wx = GammaTable[255 - (x & 255)];
  const std::uint32_t wy = GammaTable[255 - (y & 255)];
  const TColor32 top = CombinePixel(p[0], p[1], wx);
  const TColor32 bottom = CombinePixel(p[Width()], p[Width() + 1], wx);
  return CombinePixel(top, bottom, wy);
}

TColor32 TCustomBitmap32::InterpolatedPixel256(std::int32_t x, std::int32_t y) const { return Interpolate(x, y); }

TColor32 TCustomBitmap32::InterpolatedPixelSafe256(std::int32_t x, std::int32_t y) const {
  // In 64 bits: the edges of a very wide or tall bitmap leave 24.8 range.
  if (x < std::int64_t{clipRect_.Left} * 256 || y < std::int64_t{clipRect_.Top} * 256) return outerColor_;
  const std::int64_t xm = (std::int64_t{clipRect_.Right} - 1) * 256;
  const std::int64_t ym = (std::int64_t{clipRect_.Bottom} - 1) * 256;
  if (x < xm && y < ym) return Interpolate(x, y);
  if (x == xm && y <= ym) return Pixel(clipRect_.Right - 1, y >> 8);
  if (x < xm && y == ym) return Pixel(x >> 8, clipRect_.Bottom - 1);
  return outerColor_;
}

namespace {
// 16.16 to 24.8, rounded.
std::int32_t To256(TFixed c) { return static_cast<std::int32_t>((static_cast<std::int64_t>(c) + 127) >> 8); }
}  // namespace

TColor32 TCustomBitmap32::InterpolatedPixelFixed(TFixed x, TFixed y) const {
  return Interpolate(To256(x), To256(y));
}

TColor32 TCustomBitmap32::InterpolatedPixelFixedSafe(TFixed x, TFixed y) const {
  return InterpolatedPixelSafe256(To256(x), To256(y));
}

TColor32 TCustomBitmap32::InterpolatedPixelFixedWrap(TFixed x, TFixed y) const {
  if (IsRectEmpty(clipRect_)) return outerColor_;
  const std::int32_t l = clipRect_.Left, r = clipRect_.Right - 1;
  const std::int32_t t = clipRect_.Top, b = clipRect_.Bottom - 1;
  const std::int32_t x0 = wrapX_(x >> 16, l, r), x1 = wrapX_((x >> 16) + 1, l, r);
  const std::int32_t y0 = wrapY_(y >> 16, t, b), y1 = wrapY_((y >> 16) + 1, t, b);
  // The fraction weights the far pixel, so a whole coordinate gives its own
  // pixel.
  const std::uint32_t fx = static_cast<std::uint32_t>(x >> 8) & 255;
  const std::uint32_t fy = static_cast<std::uint32_t>(y >> 8) & 255;
  const TColor32 top = CombinePixel(Pixel(x1, y0), Pixel(x0, y0), fx);
  const TColor32 bottom = CombinePixel(Pixel(x1, y1), Pixel(x0, y1), fx);
  return CombinePixel(bottom, top, fy);
}

void TCustomBitmap32::Clear(TColor32 fillColor) {
  if (Empty()) return;
  if (!measuring_) {
    if (clipping_) {
      for (std::int32_t y = clipRect_.Top; y < clipRect_.Bottom; ++y)
        FillPixels(PixelPtr(clipRect_.Left, y), clipRect_.Right - clipRect_.Left, fillColor);
    } else {
      std::fill_n(bits_, static_cast<std::size_t>(Width()) * static_cast<std::size_t>(Height()), fillColor);
    }
  }
  Changed();
}

void TCustomBitmap32::FillRect(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                               TColor32 value) {
  if (!measuring_)
    for (std::int32_t y = y1; y < y2; ++y) FillPixels(PixelPtr(x1, y), x2 - x1, value);
  Changed({x1, y1, x2, y2}, AREA_PLAIN_RECT);
}

void TCustomBitmap32::ResetAlpha(std::uint8_t alpha) {
  if (!measuring_ && bits_) {
    const std::size_t count = static_cast<std::size_t>(Width()) * static_cast<std::size_t>(Height());
    const TColor32 a = static_cast<TColor32>(alpha) << 24;
    for (std::size_t i = 0; i < count; ++i) bits_[i] = (bits_[i] & 0x00FFFFFF) | a;
  }
  Changed();
}

}  // namespace bmp32
