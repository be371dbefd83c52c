#include "skin/paint/PixelFills.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "skin/core/IntRectUtils.h"
#include "skin/paint/PixelOps.h"
#include "skin/paint/PixelRows.h"

namespace skin::paint {

namespace {

// R cut to the view; empty when the view has no 32-bit pixels.
TRect ClipTo32(const TPixelView& bmp, const TRect& r) {
  if (!bmp.Is32()) return {};
  return RectIntersection(r, TRect{0, 0, bmp.Width, bmp.Height});
}

template <typename RowWork>
void ForEachRow(const TPixelView& bmp, const TRect& r, RowWork work) {
  const TRect c = ClipTo32(bmp, r);
  if (c.IsEmpty()) return;
  for (std::int32_t y = c.Top; y < c.Bottom; ++y) work(bmp.Row32(y) + c.Left, c.Width());
}

// value + delta held in the int range.
std::int32_t Shifted(std::int32_t value, std::int64_t delta) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(value + delta, INT32_MIN, INT32_MAX));
}

// n / 100 to the nearest integer, halves to even; n >= 0.
constexpr std::uint32_t DivideBy100HalfEven(std::uint32_t n) {
  const std::uint32_t q = n / 100;
  const std::uint32_t rest = n % 100;
  return rest > 50 || (rest == 50 && (q & 1u) != 0) ? q + 1 : q;
}

// Every colour byte c := (c x kept + colour x (100 - kept)) / 100 rounded
// halves to even, through one table per channel; alpha kept, or alphaByte
// when setAlpha.
void BlendTowardsColour(const TPixelView& bmp, const TRect& r, std::uint32_t colourPixel,
                        std::int32_t keptPercent, bool setAlpha, std::uint8_t alphaByte) {
  const std::uint32_t kept = static_cast<std::uint32_t>(std::clamp(keptPercent, 0, 100));
  std::array<std::array<std::uint32_t, 256>, 3> table;
  for (int ch = 0; ch < 3; ++ch) {
    const std::uint32_t colour = (colourPixel >> (8 * ch)) & 0xFFu;
    for (std::uint32_t c = 0; c < 256; ++c)
      table[ch][c] = DivideBy100HalfEven(c * kept + colour * (100 - kept)) << (8 * ch);
  }
  const std::uint32_t alphaMask = setAlpha ? 0u : 0xFF000000u;
  const std::uint32_t alphaOr = setAlpha ? static_cast<std::uint32_t>(alphaByte) << 24 : 0u;
  ForEachRow(bmp, r, [&](std::uint32_t* row, std::int32_t count) {
    for (std::int32_t i = 0; i < count; ++i) {
      const std::uint32_t p = row[i];
      row[i] = table[0][p & 0xFFu] | table[1][(p >> 8) & 0xFFu] | table[2][(p >> 16) & 0xFFu] |
               (p & alphaMask) | alphaOr;
    }
  });
}

}  // namespace

void PremultiplyAlphaRect(const TPixelView& bmp, const TRect& r) {
  ForEachRow(bmp, r, [](std::uint32_t* row, std::int32_t count) { PremultiplyRow(row, count); });
}

void PremultiplyAlpha(const TPixelView& bmp) { PremultiplyAlphaRect(bmp, TRect{0, 0, bmp.Width, bmp.Height}); }

void FillRect32(const TPixelView& bmp, const TRect& r, TColor color, std::uint8_t alpha) {
  const std::uint32_t value =
      (SwapRedBlue(static_cast<std::uint32_t>(color)) & 0x00FFFFFFu) | static_cast<std::uint32_t>(alpha) << 24;
  ForEachRow(bmp, r, [value](std::uint32_t* row, std::int32_t count) { FillDWords(row, count, value); });
}

void FillAlphaRect(const TPixelView& bmp, const TRect& r, std::uint8_t alpha, bool skipKeyColor) {
  const std::uint32_t alphaBits = static_cast<std::uint32_t>(alpha) << 24;
  ForEachRow(bmp, r, [=](std::uint32_t* row, std::int32_t count) {
    for (std::int32_t i = 0; i < count; ++i) {
      if (skipKeyColor && row[i] == KeyPixel) continue;
      row[i] = (row[i] & 0x00FFFFFFu) | alphaBits;
    }
  });
}

void FillFrame32(const TPixelView& bmp, const TRect& r, std::int32_t left, std::int32_t top,
                 std::int32_t right, std::int32_t bottom, TColor color) {
  const std::int32_t topEnd = Shifted(r.Top, top);
  const std::int32_t leftEnd = Shifted(r.Left, left);
  const std::int32_t bottomStart = Shifted(r.Bottom, -static_cast<std::int64_t>(bottom));
  const std::int32_t rightStart = Shifted(r.Right, -static_cast<std::int64_t>(right));
  const TRect bands[] = {
      {r.Left, r.Top, r.Right, topEnd},
      {r.Left, topEnd, leftEnd, r.Bottom},
      {leftEnd, bottomStart, r.Right, r.Bottom},
      {rightStart, topEnd, r.Right, bottomStart},
  };
  // Widths larger than R would otherwise paint beyond the frame's rectangle.
  for (const TRect& band : bands) FillRect32(bmp, RectIntersection(band, r), color, 255);
}

void BlendColorRect(const TPixelView& bmp, const TRect& inclusiveRect, std::int32_t percent, TColor rgbColor) {
  const TRect exclusive{inclusiveRect.Left, inclusiveRect.Top, Shifted(inclusiveRect.Right, 1),
                        Shifted(inclusiveRect.Bottom, 1)};
  BlendTowardsColour(bmp, exclusive, SwapRedBlue(static_cast<std::uint32_t>(rgbColor)), percent, false, 0);
}

void BlendColorRect32(const TPixelView& bmp, const TRect& r, TColor color, std::int32_t percent,
                      std::uint8_t alpha) {
  BlendTowardsColour(bmp, r, SwapRedBlue(static_cast<std::uint32_t>(color)), 100 - std::clamp(percent, 0, 100),
                     true, alpha);
}

}  // namespace skin::paint
