#include "skin/paint/MaskGlyph.h"

#include <algorithm>

#include "skin/core/MaskValue.h"
#include "skin/paint/Blends.h"
#include "skin/paint/CopyClip.h"
#include "skin/paint/KeyedCopies.h"
#include "skin/paint/MaskFrame.h"
#include "skin/paint/MaskSource.h"
#include "skin/paint/PixelRows.h"

namespace skin::paint {

namespace {

using i64 = std::int64_t;

std::uint32_t MixGlyphPixel(std::uint32_t d, std::uint32_t s, std::uint32_t m, std::int32_t mode) {
  const std::uint32_t a = PixelChannel(d, 24);
  std::uint32_t out = (a + (((255 - a) * (255 - PixelChannel(m, 16))) >> 8)) << 24;
  for (int shift = 0; shift < 24; shift += 8) {
    std::uint32_t k = PixelChannel(m, shift);
    if (mode != 1) k = std::min<std::uint32_t>(k + 100, 255);
    out |= ((PixelChannel(d, shift) * k + PixelChannel(s, shift) * (256 - k)) >> 8) << shift;
  }
  return out;
}

}  // namespace

void CopyGlyphByMask(const TRect& dstRect, const TRect& srcRect, const TPixelView& dst, const TPixelView& src,
                     TColor /*transColor*/, std::int32_t mode, const TsMaskData& mask) {
  if (!dst.Is32() || !src.Is32() || mask.MaskType < 0) return;
  const i64 rowsDown = MaskFrameHeight(mask);
  const TPiece piece = MaskedPiece(dstRect, srcRect, src.Width, src.Height, dst.Width, dst.Height,
                                   mask.MaskType == 0 ? 0 : rowsDown);
  if (piece.Empty()) return;
  if (mask.MaskType == 0) {
    const TRect cut{static_cast<std::int32_t>(piece.Cols.Src), static_cast<std::int32_t>(piece.Rows.Src),
                    static_cast<std::int32_t>(piece.Cols.Src + piece.Cols.Count - 1),
                    static_cast<std::int32_t>(piece.Rows.Src + piece.Rows.Count - 1)};
    CopyKeyedRect(dst, src, static_cast<std::int32_t>(piece.Cols.Dst), static_cast<std::int32_t>(piece.Rows.Dst), cut,
                  kSkinKeyColor, TCacheView{});
    return;
  }
  for (i64 j = 0; j < piece.Rows.Count; ++j) {
    const auto sy = static_cast<std::int32_t>(piece.Rows.Src + j);
    const std::uint32_t* s = src.Row32(sy) + piece.Cols.Src;
    const std::uint32_t* m = src.Row32(static_cast<std::int32_t>(sy + rowsDown)) + piece.Cols.Src;
    std::uint32_t* d = dst.Row32(static_cast<std::int32_t>(piece.Rows.Dst + j)) + piece.Cols.Dst;
    for (i64 i = 0; i < piece.Cols.Count; ++i) {
      if (s[i] == KeyPixel || PixelChannel(m[i], 16) == 255) continue;
      d[i] = MixGlyphPixel(d[i], s[i], m[i], mode);
    }
  }
}

void PaintMaskGlyph(const TPixelView& bmp, const TPoint& pos, std::int32_t state, std::int32_t mode,
                    const TsMaskData& mask, const TCacheView& ci) {
  const std::int32_t index = MaskFrameIndex(mask, state);
  if (index < 0 || mask.MaskType < 0 || mask.Manager == nullptr) return;
  const i64 fw = MaskFrameWidth(mask), fh = MaskFrameHeight(mask);
  if (fw < 1 || fh < 1) return;
  const i64 fx = mask.R.Left + index * fw;
  const i64 dx = pos.X < 0 ? -i64{pos.X} : 0, dy = pos.Y < 0 ? -i64{pos.Y} : 0;
  if (dx >= fw || dy >= fh) return;  // the whole frame lies before the bitmap
  const auto i32 = [](i64 v) { return static_cast<std::int32_t>(std::clamp<i64>(v, INT32_MIN, INT32_MAX)); };
  const TRect srcRect{i32(fx + dx), i32(mask.R.Top + dy), i32(fx + fw - 1), i32(i64{mask.R.Top} + fh - 1)};
  const TRect dstRect{i32(pos.X + dx), i32(pos.Y + dy), i32(pos.X + fw - 1), i32(i64{pos.Y} + fh - 1)};
  const TPixelView src = MaskImageView(mask);
  if (mask.Bmp) {
    if (src.Width >= mask.R.Right && src.Height >= mask.R.Bottom)
      CopyGlyphByMask(dstRect, srcRect, bmp, src, kSkinKeyColor, mode, mask);
    return;
  }
  if (mask.MaskType > 0)
    CopyGlyphByMask(dstRect, srcRect, bmp, src, kSkinKeyColor, mode, mask);
  else if (mode == 1)
    CopyTransparentRect(bmp, src, dstRect.Left, dstRect.Top, srcRect, kSkinKeyColor, ci, true);
  else
    BlendTransRect(bmp, dstRect.Left, dstRect.Top, kSkinKeyColor, 0.5, srcRect, src);
}

}  // namespace skin::paint
