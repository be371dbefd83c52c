#include "skin/paint/GaugeBar.h"

#include <algorithm>

#include "skin/paint/NearestMap.h"

namespace skin::paint {

namespace {

// Num / Den for Num >= 0, Den > 0, rounded to nearest with halves to even.
std::int64_t DivideHalfEven(std::int64_t num, std::int64_t den) {
  const std::int64_t q = num / den;
  const std::int64_t twice = (num % den) * 2;
  if (twice > den || (twice == den && (q & 1) != 0)) return q + 1;
  return q;
}

std::uint8_t Mix(std::uint32_t under, std::uint32_t over, int shift, std::uint32_t alpha) {
  const std::uint32_t u = (under >> shift) & 0xFF;
  const std::uint32_t o = (over >> shift) & 0xFF;
  return static_cast<std::uint8_t>((u * (255 - alpha) + o * alpha + 127) / 255);
}

}  // namespace

std::int32_t GaugePercent(std::int32_t minValue, std::int32_t maxValue, std::int32_t progress) {
  std::int64_t num = (static_cast<std::int64_t>(progress) - minValue) * 100;
  std::int64_t den = static_cast<std::int64_t>(maxValue) - minValue;
  if (den == 0) return 0;
  if (den < 0) {
    num = -num;
    den = -den;
  }
  if (num <= 0) return 0;
  return static_cast<std::int32_t>(std::min<std::int64_t>(DivideHalfEven(num, den), 100));
}

std::int32_t GaugeFilledLength(std::int32_t percent, std::int32_t length) {
  if (length < 1 || percent <= 0) return 0;
  const std::int64_t filled = DivideHalfEven(static_cast<std::int64_t>(percent) * length, 100);
  return static_cast<std::int32_t>(std::min<std::int64_t>(filled, length));
}

std::int32_t ClampGaugeProgress(std::int32_t value, std::int32_t minValue, std::int32_t maxValue) {
  if (value < minValue) return minValue;
  return std::min(value, maxValue);
}

std::int32_t HighlightSkipRows(std::int32_t pictureHeight, std::int32_t thickness) {
  if (pictureHeight <= thickness) return 0;
  const std::int32_t skip = (pictureHeight - thickness) / 2 + 1;
  return skip < pictureHeight ? skip : 0;
}

bool BuildHighlight(const TPixelView& src, const TPixelView& dst) {
  if (!src.Is32() || !dst.Is32()) return false;
  const std::int32_t skip = HighlightSkipRows(src.Height, dst.Height);
  const std::int32_t rows = src.Height - skip;
  for (std::int32_t y = 0; y < dst.Height; ++y) {
    const std::uint32_t* from = src.Row32(skip + static_cast<std::int32_t>(NearestSource(y, dst.Height, rows)));
    std::uint32_t* to = dst.Row32(y);
    for (std::int32_t x = 0; x < dst.Width; ++x) to[x] = from[NearestSource(x, dst.Width, src.Width)];
  }
  return true;
}

namespace {

// Over the columns where the highlight lies on the bar, each highlight
// pixel mixed in by its alpha times Weight(x, y) / 255.
template <class Weight>
void BlendWeighted(const TPixelView& bar, const TPixelView& highlight, std::int32_t pos, Weight weight) {
  if (!bar.Is32() || !highlight.Is32()) return;
  const std::int32_t first = std::max(pos, 0);
  const std::int32_t last = std::min(pos + highlight.Width, bar.Width);
  const std::int32_t rows = std::min(bar.Height, highlight.Height);
  for (std::int32_t y = 0; y < rows; ++y) {
    std::uint32_t* to = bar.Row32(y);
    const std::uint32_t* from = highlight.Row32(y);
    for (std::int32_t x = first; x < last; ++x) {
      const std::uint32_t over = from[x - pos];
      const std::uint32_t alpha = (over >> 24) * weight(x, y) / 255;
      if (alpha == 0) continue;
      const std::uint32_t under = to[x];
      to[x] = (under & 0xFF000000u) | static_cast<std::uint32_t>(Mix(under, over, 16, alpha)) << 16 |
              static_cast<std::uint32_t>(Mix(under, over, 8, alpha)) << 8 | Mix(under, over, 0, alpha);
    }
  }
}

}  // namespace

void BlendHighlight(const TPixelView& bar, const TPixelView& highlight, std::int32_t pos) {
  BlendWeighted(bar, highlight, pos, [](std::int32_t, std::int32_t) { return 255u; });
}

void BlendHighlightThroughMask(const TPixelView& bar, const TPixelView& highlight, std::int32_t pos,
                               const TPixelView& mask) {
  if (!mask.Is32()) return;
  BlendWeighted(bar, highlight, pos, [&](std::int32_t x, std::int32_t y) {
    const std::uint32_t m = mask.Pixel32(static_cast<std::int32_t>(NearestSource(x, bar.Width, mask.Width)),
                                         static_cast<std::int32_t>(NearestSource(y, bar.Height, mask.Height)));
    return 255u - ((m >> 16) & 0xFF);
  });
}

std::int32_t HighlightStep(std::int32_t length) {
  // length / (2222 / 44) = 2 x length / 101, which never ends in a half.
  const std::int64_t steps = length > 0 ? DivideHalfEven(2 * static_cast<std::int64_t>(length), 101) : 0;
  return static_cast<std::int32_t>(std::max<std::int64_t>(15, steps));
}

bool TGaugeSweep::Tick(std::int32_t length) {
  if (Clock > kSweepCycle) {
    Position = -kHighlightLength;
    Clock = 0;
  }
  Clock += kSweepTick;
  return Position < length;
}

}  // namespace skin::paint
