#include "skin/paint/ChannelCopy.h"

#include <algorithm>

namespace skin::paint {

void CopyBitmapChannel(const TPixelView& bmp32, const TPixelView& bmp8, std::int32_t channel, bool extract) {
  if (!bmp32.Is32() || !bmp8.Valid() || bmp8.BytesPerPixel != 1 || channel < 0 || channel > 3) return;
  const std::int32_t width = std::min(bmp32.Width, bmp8.Width);
  const std::int32_t height = std::min(bmp32.Height, bmp8.Height);
  for (std::int32_t y = 0; y < height; ++y) {
    std::uint8_t* wide = bmp32.Row(y) + channel;
    std::uint8_t* narrow = bmp8.Row(y);
    for (std::int32_t x = 0; x < width; ++x) {
      if (extract)
        narrow[x] = wide[4 * x];
      else
        wide[4 * x] = narrow[x];
    }
  }
}

}  // namespace skin::paint
