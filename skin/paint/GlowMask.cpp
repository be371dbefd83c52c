#include "skin/paint/GlowMask.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "skin/paint/CopyClip.h"
#include "skin/paint/PlacedPixels.h"

namespace skin::paint {

namespace {

constexpr std::int32_t kMaxHalfWidth = 100;

// The normalised weights of offsets -K..K (index j + K); outer pairs lighter
// than 1/510 together are dropped, since they cannot move a byte.
std::vector<double> GaussianKernel(std::int32_t size) {
  std::array<double, 2 * kMaxHalfWidth + 1> w{};
  double sum = 0;
  for (std::int32_t i = -kMaxHalfWidth; i <= kMaxHalfWidth; ++i) {
    const double t = static_cast<double>(i) / size;
    w[i + kMaxHalfWidth] = std::exp(-t * t / 2);
    sum += w[i + kMaxHalfWidth];
  }
  for (double& v : w) v /= sum;
  std::int32_t k = kMaxHalfWidth;
  while (k >= 2 && w[kMaxHalfWidth - k] + w[kMaxHalfWidth + k] < 1.0 / 510) --k;
  std::vector<double> kept(w.begin() + (kMaxHalfWidth - k), w.begin() + (kMaxHalfWidth + k + 1));
  sum = 0;
  for (double v : kept) sum += v;
  for (double& v : kept) v /= sum;
  return kept;
}

// One line of Count values Step bytes apart, blurred through a scratch copy.
void BlurLine(std::uint8_t* first, std::ptrdiff_t step, std::int32_t count, const std::vector<double>& kernel,
              std::vector<std::uint8_t>& scratch) {
  const std::int32_t k = static_cast<std::int32_t>(kernel.size() / 2);
  scratch.resize(static_cast<std::size_t>(count));
  for (std::int32_t i = 0; i < count; ++i) scratch[static_cast<std::size_t>(i)] = first[i * step];
  for (std::int32_t i = 0; i < count; ++i) {
    double v = 0;
    for (std::int32_t j = -k; j <= k; ++j) {
      const std::int32_t at = std::clamp(i - j, 0, count - 1);
      v += kernel[static_cast<std::size_t>(j + k)] * scratch[static_cast<std::size_t>(at)];
    }
    first[i * step] = static_cast<std::uint8_t>(std::clamp(std::lround(v), 0L, 255L));
  }
}

}  // namespace

void BlurGlowMask(const TPixelView& mask8, std::int32_t size) {
  if (!mask8.Valid() || mask8.BytesPerPixel != 1 || size < 1) return;
  const std::vector<double> kernel = GaussianKernel(size);
  std::vector<std::uint8_t> scratch;
  for (std::int32_t y = 0; y < mask8.Height; ++y) BlurLine(mask8.Row(y), 1, mask8.Width, kernel, scratch);
  for (std::int32_t x = 0; x < mask8.Width; ++x)
    BlurLine(mask8.Row(0) + x, mask8.Stride, mask8.Height, kernel, scratch);
}

void CompositeGlow(const TPixelView& dst, const TPixelView& mask8, const TPoint& origin, TColor color) {
  if (!dst.Is32() || !mask8.Valid() || mask8.BytesPerPixel != 1) return;
  const std::uint32_t c = PixelOfColor(color);
  ForEachPlacedPixel<std::uint8_t>(dst, mask8, origin, [c](std::uint8_t m, std::uint32_t& d) {
    if (m == 255) return;
    const std::int32_t mv = m;
    std::uint32_t out = 0;
    for (int shift = 0; shift < 24; shift += 8) {
      const std::int32_t dc = static_cast<std::int32_t>((d >> shift) & 0xFFu);
      const std::int32_t cc = static_cast<std::int32_t>((c >> shift) & 0xFFu);
      out |= static_cast<std::uint32_t>((dc - cc) * mv / 255 + cc) << shift;
    }
    const std::int32_t a = static_cast<std::int32_t>(d >> 24);
    d = out | static_cast<std::uint32_t>(a + (255 - mv) * (255 - a) / 255) << 24;
  });
}

}  // namespace skin::paint
