#include "skin/paint/ColorAdjust.h"

#include <algorithm>
#include <cmath>

#include "skin/paint/PixelOps.h"

namespace skin::paint {

namespace {

constexpr std::uint32_t NoColor = 0xFF00FF;

bool IsNoColor(TColor color) {
  return static_cast<std::uint32_t>(color) == NoColor || color == -1;
}

// Round half to even, as the skin formulas round.
std::int32_t RoundEven(double value) { return static_cast<std::int32_t>(std::nearbyint(value)); }

std::uint32_t ClampByte(double value) {
  return static_cast<std::uint32_t>(std::clamp(RoundEven(value), 0, 255));
}

constexpr std::uint32_t Byte(std::uint32_t value, int shift) { return (value >> shift) & 0xFFu; }

bool IsGrey(std::uint32_t pixel) {
  return Byte(pixel, 0) == Byte(pixel, 8) && Byte(pixel, 8) == Byte(pixel, 16);
}

template <class F>
void ForEachPixel(const TPixelView& bmp, F change) {
  if (!bmp.Is32()) return;
  for (std::int32_t y = 0; y < bmp.Height; ++y) {
    std::uint32_t* row = bmp.Row32(y);
    for (std::int32_t x = 0; x < bmp.Width; ++x) change(row[x]);
  }
}

}  // namespace

std::uint32_t AdjustHue(std::int32_t degrees, std::uint32_t pixel) {
  const double r = Byte(pixel, 16), g = Byte(pixel, 8), b = Byte(pixel, 0);
  const double max = std::max({r, g, b});
  const double delta = max - std::min({r, g, b});
  const double s = max == 0 ? 0 : delta / max;
  if (s == 0) return pixel;
  const double v = max;

  const double k = 60.0 / delta;
  double h;
  if (max == r) {
    h = (g - b) * k;
  } else if (max == g) {
    h = 120 + (b - r) * k;
  } else {
    h = 240 + (r - g) * k;
  }
  if (h < 0) h += 360;

  // Normalised into 0..359 for offsets of either sign.
  std::int32_t shifted = RoundEven(degrees + h) % 360;
  if (shifted < 0) shifted += 360;
  const double sector = shifted / 60.0;
  const std::int32_t i = static_cast<std::int32_t>(sector);
  const double f = sector - i;
  const double p = std::clamp((1 - s) * v, 0.0, 255.0);
  const double q = std::clamp((1 - s * f) * v, 0.0, 255.0);
  const double t = std::clamp((1 - (1 - f) * s) * v, 0.0, 255.0);

  double nr, ng, nb;
  switch (i) {
    case 0: nr = v; ng = t; nb = p; break;
    case 1: nr = q; ng = v; nb = p; break;
    case 2: nr = p; ng = v; nb = t; break;
    case 3: nr = p; ng = q; nb = v; break;
    case 4: nr = t; ng = p; nb = v; break;
    default: nr = v; ng = p; nb = q; break;
  }
  return (pixel & 0xFF000000u) | ClampByte(nr) << 16 | ClampByte(ng) << 8 | ClampByte(nb);
}

TColor ChangeHue(std::int32_t degrees, TColor color) {
  if (degrees == 0 || IsNoColor(color)) return color;
  const auto value = static_cast<std::uint32_t>(color);
  return static_cast<TColor>(SwapRedBlue(AdjustHue(degrees, SwapRedBlue(value))));
}

std::uint32_t AdjustSaturation(std::int32_t percent, std::uint32_t color) {
  if (percent == 0) return color;
  const double avg = (static_cast<double>(Byte(color, 0)) + Byte(color, 8) + Byte(color, 16)) / 3;
  std::uint32_t result = color & 0xFF000000u;
  for (int shift = 0; shift <= 16; shift += 8) {
    const double c = Byte(color, shift);
    result |= ClampByte(c - (avg - c) * percent / 100) << shift;
  }
  return result;
}

TColor ChangeSaturation(TColor color, std::int32_t percent) {
  if (percent == 0 || IsNoColor(color)) return color;
  return static_cast<TColor>(AdjustSaturation(percent, static_cast<std::uint32_t>(color)));
}

TColor MixColors(TColor color1, TColor color2, double ratio) {
  const auto c1 = static_cast<std::uint32_t>(color1), c2 = static_cast<std::uint32_t>(color2);
  std::uint32_t result = c1 & 0xFF000000u;
  for (int shift = 0; shift <= 16; shift += 8) {
    result |= ClampByte(Byte(c1, shift) * ratio + Byte(c2, shift) * (1 - ratio)) << shift;
  }
  return static_cast<TColor>(result);
}

void AdjustBitmapHue(const TPixelView& bmp, std::int32_t degrees) {
  if (degrees == 0) return;
  ForEachPixel(bmp, [degrees](std::uint32_t& p) {
    if (p != 0x00FF00FFu && !IsGrey(p)) p = AdjustHue(degrees, p);
  });
}

void AdjustBitmapSaturation(const TPixelView& bmp, std::int32_t percent) {
  if (percent == 0) return;
  ForEachPixel(bmp, [percent](std::uint32_t& p) {
    if (p != 0x00FF00FFu && !IsGrey(p)) p = AdjustSaturation(percent, p);
  });
}

namespace {
std::uint32_t Grey(std::uint32_t p) {
  const std::uint32_t g = (Byte(p, 0) + Byte(p, 8) + Byte(p, 16)) / 3;
  return (p & 0xFF000000u) | g << 16 | g << 8 | g;
}
}  // namespace

void GrayscaleBmp(const TPixelView& bmp) {
  ForEachPixel(bmp, [](std::uint32_t& p) { p = Grey(p); });
}

void GrayscaleBmpTrans(const TPixelView& bmp, TColor transColor) {
  const std::uint32_t key = SwapRedBlue(static_cast<std::uint32_t>(transColor) & 0xFFFFFFu);
  ForEachPixel(bmp, [key](std::uint32_t& p) {
    if (p != key) p = Grey(p);
  });
}

std::uint8_t PercentToByteWeight(std::int32_t percent) {
  const std::int32_t scaled = std::clamp(percent, 0, 100) * 255;
  std::int32_t whole = scaled / 100;
  const std::int32_t rest = scaled % 100;
  if (rest > 50 || (rest == 50 && (whole & 1) != 0)) ++whole;
  return static_cast<std::uint8_t>(whole);
}

}  // namespace skin::paint
