#include "skin/paint/TextStamp.h"

#include "skin/paint/CopyClip.h"
#include "skin/paint/PlacedPixels.h"

namespace skin::paint {

void StampText(const TPixelView& dst, const TPixelView& stamp, const TPoint& at, TColor color) {
  if (!dst.Is32() || !stamp.Is32()) return;
  const std::uint32_t c = PixelOfColor(color);
  ForEachPlacedPixel<std::uint32_t>(dst, stamp, at, [c](std::uint32_t p, std::uint32_t& d) {
    if ((p & 0x00FFFFFFu) == 0x00FFFFFFu && (p >> 24 == 0 || p >> 24 == 0xFF)) return;  // white: no text
    const std::uint32_t k = (((p >> 16) & 0xFFu) + ((p >> 8) & 0xFFu) + (p & 0xFFu)) / 3;
    std::uint32_t out = 0xFF000000u;
    for (int shift = 0; shift < 24; shift += 8) {
      const std::uint32_t dc = (d >> shift) & 0xFFu, cc = (c >> shift) & 0xFFu;
      // d x k + c x (256 - k): never negative.
      out |= ((dc * k + cc * (256 - k)) >> 8) << shift;
    }
    d = out;
  });
}

}  // namespace skin::paint
