#include "skin/paint/MaskCopy32.h"

#include <algorithm>

#include "skin/paint/CopyClip.h"
#include "skin/paint/PixelRows.h"

namespace skin::paint {

void CopyRowByMask32(std::uint32_t* dst, const std::uint32_t* src, const std::uint32_t* mask, std::int32_t count) {
  for (std::int32_t i = 0; i < count; ++i) {
    const std::uint32_t s = src[i];
    const std::uint32_t d = dst[i];
    if (s == KeyPixel) {
      dst[i] = d & 0x00FFFFFFu;
      continue;
    }
    const std::uint32_t m = PixelChannel(mask[i], 16);
    std::uint32_t out = std::max(PixelChannel(d, 24), 255 - m) << 24;
    for (int shift = 0; shift < 24; shift += 8)
      out |= ((PixelChannel(d, shift) * m + PixelChannel(s, shift) * (255 - m)) >> 8) << shift;
    dst[i] = out;
  }
}

void CopyByMask32(const TRect& dstRect, const TRect& srcRect, const TPixelView& dst, const TPixelView& src,
                  const TCacheView& ci, const TsMaskData& mask) {
  if (!dst.Is32() || !src.Is32()) return;
  const std::int64_t maskOffset = (std::int64_t{mask.R.Bottom} - mask.R.Top) / 2;
  const TPiece piece = MaskedPiece(dstRect, srcRect, src.Width, src.Height, dst.Width, dst.Height, maskOffset);
  if (piece.Empty()) return;
  const auto count = static_cast<std::int32_t>(piece.Cols.Count);
  const bool fromParent = ci.HasImage();
  for (std::int64_t j = 0; j < piece.Rows.Count; ++j) {
    const auto sy = static_cast<std::int32_t>(piece.Rows.Src + j);
    const auto dy = static_cast<std::int32_t>(piece.Rows.Dst + j);
    const std::uint32_t* s = src.Row32(sy) + piece.Cols.Src;
    std::uint32_t* d = dst.Row32(dy) + piece.Cols.Dst;
    if (!fromParent) {
      CopyRowByMask32(d, s, src.Row32(static_cast<std::int32_t>(sy + maskOffset)) + piece.Cols.Src, count);
      continue;
    }
    // Key pixels take the parent where it has a pixel; elsewhere the plain row rule.
    const std::uint32_t* m = src.Row32(static_cast<std::int32_t>(sy + maskOffset)) + piece.Cols.Src;
    for (std::int32_t i = 0; i < count; ++i) {
      const auto dx = static_cast<std::int32_t>(piece.Cols.Dst + i);
      if (s[i] == KeyPixel && HasParentPixel(ci, dx, dy))
        d[i] = ParentPixel(ci, dx, dy);
      else
        CopyRowByMask32(d + i, s + i, m + i, 1);
    }
  }
}

}  // namespace skin::paint
