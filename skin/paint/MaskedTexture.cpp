#include "skin/paint/MaskedTexture.h"

#include <algorithm>

#include "skin/paint/MaskGlyph.h"
#include "skin/paint/MaskSource.h"
#include "skin/paint/PixelFills.h"
#include "skin/paint/TextureTiles.h"

namespace skin::paint {

namespace {

std::int32_t Clamped(std::int64_t v) { return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, INT32_MIN, INT32_MAX)); }

// A strip the tiles left: the parent's pixels where its image reaches, else
// its fill colour. Without either (no colour is the key colour) the strip
// keeps what it has rather than turning key-coloured.
void ShowParent(const TPixelView& bmp, const TRect& strip, const TCacheView& ci) {
  const TRect c{std::max(strip.Left, 0), std::max(strip.Top, 0), std::min(strip.Right, bmp.Width),
                std::min(strip.Bottom, bmp.Height)};
  if (c.IsEmpty()) return;
  if (ci.HasImage()) {
    for (std::int32_t y = c.Top; y < c.Bottom; ++y)
      for (std::int32_t x = c.Left; x < c.Right; ++x)
        if (HasParentPixel(ci, x, y)) bmp.Pixel32(x, y) = ParentPixel(ci, x, y);
  } else if (ci.FillColor != kSkinKeyColor) {
    FillRect32(bmp, c, ci.FillColor, 255);
  }
}

}  // namespace

void TileMaskedTexture(const TPixelView& bmp, TRect& r, const TCacheView& ci, const TsMaskData& mask,
                       std::uint8_t mode) {
  if (mask.Manager == nullptr || mask.ImageCount <= 0 || !bmp.Is32()) return;
  const TPixelView src = MaskImageView(mask);
  if (!src.Is32()) return;
  const std::int32_t w = mask.R.Width() / mask.ImageCount, h = mask.R.Height() / 2;
  r = LayoutMaskedTextureTiles(
      r, w, h, mask.R.Left, mask.R.Top, mode,
      [&](const TNinePieceBlit& b) {
        // Inclusive rectangles; the last column's tiles are cut to its width.
        const TRect dst{Clamped(b.DstX), Clamped(b.DstY), Clamped(b.DstX + b.DstW - 1), Clamped(b.DstY + b.DstH - 1)};
        const TRect from{Clamped(b.SrcX), Clamped(b.SrcY), Clamped(b.SrcX + b.SrcW - 1), Clamped(b.SrcY + b.SrcH - 1)};
        CopyGlyphByMask(dst, from, bmp, src, kSkinKeyColor, 1, mask);
      },
      [&](const TRect& strip) { ShowParent(bmp, strip, ci); });
}

}  // namespace skin::paint
