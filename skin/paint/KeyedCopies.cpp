#include "skin/paint/KeyedCopies.h"

#include <algorithm>

#include "skin/paint/CopyClip.h"
#include "skin/paint/PixelRows.h"

namespace skin::paint {

namespace {

TPiece KeyedPiece(const TPixelView& dst, const TPixelView& src, std::int32_t x, std::int32_t y,
                  const TRect& srcRect) {
  return InclusivePieceAt(src.Width, src.Height, dst.Width, dst.Height, x, y, srcRect);
}

}  // namespace

void CopyKeyedRect(const TPixelView& dst, const TPixelView& src, std::int32_t x, std::int32_t y,
                   const TRect& srcRect, TColor transColor, const TCacheView& /*ci*/) {
  if (!dst.Is32() || !src.Is32()) return;
  const TPiece piece = KeyedPiece(dst, src, x, y, srcRect);
  if (piece.Empty()) return;
  const std::uint32_t key = KeyOfColor(transColor);
  for (std::int64_t j = 0; j < piece.Rows.Count; ++j) {
    const std::uint32_t* s = src.Row32(static_cast<std::int32_t>(piece.Rows.Src + j)) + piece.Cols.Src;
    std::uint32_t* d = dst.Row32(static_cast<std::int32_t>(piece.Rows.Dst + j)) + piece.Cols.Dst;
    for (std::int64_t i = 0; i < piece.Cols.Count; ++i)
      if (s[i] != key) d[i] = s[i];
  }
}

void CopyTransparentRect(const TPixelView& dst, const TPixelView& src, std::int32_t x, std::int32_t y,
                         const TRect& srcRect, TColor transColor, const TCacheView& ci, bool updateCorners) {
  if (!dst.Is32() || !src.Is32()) return;
  const TPiece piece = KeyedPiece(dst, src, x, y, srcRect);
  if (piece.Empty()) return;
  const std::uint32_t key = KeyOfColor(transColor);
  const bool fromParent = updateCorners && ci.HasImage();
  const bool intoParent = fromParent && ci.Bmp.Bits == dst.Bits;
  const bool fill = updateCorners && !ci.Ready;
  const std::uint32_t fillPixel = PixelOfColor(ci.FillColor);
  for (std::int64_t j = 0; j < piece.Rows.Count; ++j) {
    const auto dy = static_cast<std::int32_t>(piece.Rows.Dst + j);
    const std::uint32_t* s = src.Row32(static_cast<std::int32_t>(piece.Rows.Src + j)) + piece.Cols.Src;
    std::uint32_t* d = dst.Row32(dy);
    for (std::int64_t i = 0; i < piece.Cols.Count; ++i) {
      const auto dx = static_cast<std::int32_t>(piece.Cols.Dst + i);
      if (s[i] != key) {
        d[dx] = intoParent ? s[i] | 0xFF000000u : s[i];
      } else if (fromParent && !intoParent) {
        if (HasParentPixel(ci, dx, dy)) d[dx] = ParentPixel(ci, dx, dy);
      } else if (fill) {
        d[dx] = fillPixel;
      }
    }
  }
}

void CopyByMask(const TRect& dstRect, const TRect& srcRect, const TPixelView& dst, const TPixelView& src,
                const TCacheView& ci, bool updateCorners, const TsMaskData& mask) {
  if (!dst.Is32() || !src.Is32()) return;
  const std::int64_t maskOffset = (std::int64_t{mask.R.Bottom} - mask.R.Top) / 2;
  const TPiece piece = MaskedPiece(dstRect, srcRect, src.Width, src.Height, dst.Width, dst.Height, maskOffset);
  if (piece.Empty()) return;
  const TSpan& cols = piece.Cols;
  const TSpan& rows = piece.Rows;

  const bool opaque = ci.Ready;
  const bool skipKeys = !ci.Ready || updateCorners;
  const std::uint32_t mode = (skipKeys ? mrSkipKeys : mrBlendKeys) | (opaque ? mrAlphaOpaque : mrAlphaKept);
  const bool fromParent = ci.Ready && updateCorners && ci.Bmp.Valid();
  const bool fill = !ci.Ready && updateCorners;
  const std::uint32_t fillPixel = PixelOfColor(ci.FillColor);
  const auto count = static_cast<std::int32_t>(cols.Count);
  for (std::int64_t j = 0; j < rows.Count; ++j) {
    const auto sy = static_cast<std::int32_t>(rows.Src + j);
    const auto dy = static_cast<std::int32_t>(rows.Dst + j);
    const std::uint32_t* s = src.Row32(sy) + cols.Src;
    const std::uint32_t* m = src.Row32(static_cast<std::int32_t>(sy + maskOffset)) + cols.Src;
    std::uint32_t* d = dst.Row32(dy) + cols.Dst;
    BlendRowByMask(d, s, m, count, mode);
    if (!fromParent && !fill) continue;
    for (std::int32_t i = 0; i < count; ++i) {
      if (s[i] != KeyPixel) continue;
      const auto dx = static_cast<std::int32_t>(cols.Dst + i);
      if (fill) {
        d[i] = fillPixel;
      } else if (HasParentPixel(ci, dx, dy)) {
        d[i] = ParentPixel(ci, dx, dy) | 0xFF000000u;
      }
    }
  }
}

void CopyBmpWithKey(const TPixelView& dst, const TPixelView& src, std::int32_t x, TColor transColor,
                    std::int32_t y) {
  if (!dst.Is32() || !src.Valid() || (src.BytesPerPixel != 3 && src.BytesPerPixel != 4)) return;
  const TSpan cols = ClipSpan({0, x, src.Width}, src.Width, dst.Width);
  const TSpan rows = ClipSpan({0, y, src.Height}, src.Height, dst.Height);
  if (cols.Count < 1 || rows.Count < 1) return;
  const std::uint32_t key = KeyOfColor(transColor);
  const std::int32_t bpp = src.BytesPerPixel;
  for (std::int64_t j = 0; j < rows.Count; ++j) {
    const std::uint8_t* s = src.Row(static_cast<std::int32_t>(rows.Src + j)) + cols.Src * bpp;
    std::uint32_t* d = dst.Row32(static_cast<std::int32_t>(rows.Dst + j)) + cols.Dst;
    for (std::int64_t i = 0; i < cols.Count; ++i, s += bpp) {
      const std::uint32_t colour = std::uint32_t{s[2]} << 16 | std::uint32_t{s[1]} << 8 | s[0];
      const std::uint32_t whole = bpp == 4 ? colour | std::uint32_t{s[3]} << 24 : colour;
      if (whole != key) d[i] = colour | 0xFF000000u;
    }
  }
}

}  // namespace skin::paint
