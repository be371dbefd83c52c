#include "skin/paint/TextStamp.h"

#include <algorithm>

#include "skin/paint/CopyClip.h"

namespace skin::paint {

void StampText(const TPixelView& dst, const TPixelView& stamp, const TPoint& at, TColor color) {
  if (!dst.Is32() || !stamp.Is32()) return;
  const std::uint32_t c = PixelOfColor(color);
  const std::int32_t x0 = std::max(0, -at.X), x1 = std::min(stamp.Width, dst.Width - at.X);
  const std::int32_t y0 = std::max(0, -at.Y), y1 = std::min(stamp.Height, dst.Height - at.Y);
  for (std::int32_t y = y0; y < y1; ++y) {
    const std::uint32_t* s = stamp.Row32(y);
    std::uint32_t* d = dst.Row32(y + at.Y) + at.X;
    for (std::int32_t x = x0; x < x1; ++x) {
      const std::uint32_t p = s[x];
      if ((p & 0x00FFFFFFu) == 0x00FFFFFFu && (p >> 24 == 0 || p >> 24 == 0xFF)) continue;
      const std::uint32_t k = (((p >> 16) & 0xFFu) + ((p >> 8) & 0xFFu) + (p & 0xFFu)) / 3;
      std::uint32_t out = 0xFF000000u;
      for (int shift = 0; shift < 24; shift += 8) {
        const std::uint32_t dc = (d[x] >> shift) & 0xFFu, cc = (c >> shift) & 0xFFu;
        // d x k + c x (256 - k): never negative.
        out |= ((dc * k + cc * (256 - k)) >> 8) << shift;
      }
      d[x] = out;
    }
  }
}

}  // namespace skin::paint
