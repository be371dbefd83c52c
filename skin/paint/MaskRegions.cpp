#include "skin/paint/MaskRegions.h"

#include <algorithm>
#include <cstring>

#include "skin/core/MaskValue.h"
#include "skin/paint/CopyClip.h"
#include "skin/paint/MaskFrame.h"
#include "skin/paint/MaskSource.h"
#include "skin/paint/MaskStretch.h"
#include "skin/paint/PixelRows.h"

namespace skin::paint {

namespace {

using i64 = std::int64_t;

std::int32_t I32(i64 v) { return static_cast<std::int32_t>(std::clamp<i64>(v, INT32_MIN, INT32_MAX)); }

// Each run of key pixels in row[0 .. count) as a rectangle at (x0 + first, y).
void AppendKeyRuns(const std::uint32_t* row, i64 count, i64 x0, i64 y, std::vector<TRect>& out) {
  for (i64 i = 0; i < count;) {
    if (row[i] != KeyPixel) {
      ++i;
      continue;
    }
    const i64 first = i;
    while (i < count && row[i] == KeyPixel) ++i;
    out.push_back(TRect{I32(x0 + first), I32(y), I32(x0 + i), I32(y + 1)});
  }
}

}  // namespace

void CopyMaskCorners(std::int32_t dstLeft, std::int32_t dstTop, std::int32_t dstRight, std::int32_t dstBottom,
                     std::int32_t srcLeft, std::int32_t srcTop, std::int32_t srcRight, std::int32_t srcBottom,
                     const TPixelView& dst, std::vector<TRect>* cuts, const TsMaskData& mask, bool update) {
  if (dstLeft < 0 || dstTop < 0 || dstRight < 0 || dstBottom < 0 || !dst.Is32() || dst.Width < 2 ||
      dst.Height < 2 || mask.Manager == nullptr)
    return;
  const TPixelView src = MaskImageView(mask);
  if (!src.Is32()) return;
  const bool masked = mask.MaskType == 1;
  const i64 maskOffset = masked ? (i64{mask.R.Bottom} - mask.R.Top) / 2 : 0;
  const TPiece piece = MaskedPiece(TRect{dstLeft, dstTop, dstRight, dstBottom}, TRect{srcLeft, srcTop, srcRight, srcBottom},
                                   src.Width, src.Height, dst.Width, dst.Height, maskOffset);
  if (piece.Empty()) return;
  const auto count = static_cast<std::int32_t>(piece.Cols.Count);
  const std::uint32_t mode = update ? mrSkipKeys | mrAlphaKept : mrBlendKeys | mrAlphaKept;
  for (i64 j = 0; j < piece.Rows.Count; ++j) {
    const auto sy = static_cast<std::int32_t>(piece.Rows.Src + j);
    const std::uint32_t* s = src.Row32(sy) + piece.Cols.Src;
    std::uint32_t* d = dst.Row32(static_cast<std::int32_t>(piece.Rows.Dst + j)) + piece.Cols.Dst;
    if (masked)
      BlendRowByMask(d, s, src.Row32(static_cast<std::int32_t>(sy + maskOffset)) + piece.Cols.Src, count, mode);
    else if (!update)
      std::memcpy(d, s, static_cast<std::size_t>(count) * 4);
    else
      for (std::int32_t i = 0; i < count; ++i)
        if (s[i] != KeyPixel) d[i] = s[i];
    if (update && cuts != nullptr) AppendKeyRuns(s, count, piece.Cols.Dst, piece.Rows.Dst + j, *cuts);
  }
}

void CopyMaskCornersWithRegion(const TPixelView& bmp, std::vector<TRect>* cuts, bool filling, const TsMaskData& mask,
                               std::int32_t state) {
  if (!bmp.Is32() || bmp.Width < 2 || bmp.Height < 2 || mask.Manager == nullptr || mask.MaskType < 0) return;
  const TPixelView src = MaskImageView(mask);
  if (!src.Is32()) return;
  TsMaskData m = mask;
  if (m.ImageCount < 1) {
    m.ImageCount = 1;
    m.R = TRect{0, 0, src.Width, src.Height};
  }
  i64 wl = m.WL, wt = m.WT, wr = m.WR, wb = m.WB;
  ShrinkBorderPair(wl, wr, bmp.Width);
  ShrinkBorderPair(wt, wb, bmp.Height);
  const i64 index = MaskFrameIndex(m, state);
  const i64 fw = MaskFrameWidth(m), fh = MaskFrameHeight(m);
  const i64 mo = m.MaskType != 0 ? fh : 0;
  const i64 mw = std::max<i64>(fw - wl - wr, 0), mh = std::max<i64>(fh - wt - wb, 0);
  const i64 fx = m.R.Left + index * fw, fy = m.R.Top;
  const i64 W = bmp.Width, H = bmp.Height;
  const bool stretched = (m.DrawMode & 1) != 0;

  // One block at its own size, inclusive on both sides.
  const auto copy = [&](i64 dx, i64 dy, i64 w, i64 h, i64 sx, i64 sy, bool update) {
    if (w < 1 || h < 1) return;
    CopyMaskCorners(I32(dx), I32(dy), I32(dx + w - 1), I32(dy + h - 1), I32(sx), I32(sy), I32(sx + w - 1),
                    I32(sy + h - 1), bmp, cuts, m, update);
  };
  // A side or the centre: tiled with whole tiles first, or stretched.
  const auto fill = [&](i64 dx, i64 dy, i64 dw, i64 dh, i64 sx, i64 sy, i64 sw, i64 sh, bool centre) {
    if (stretched) {
      StretchBlockByMask(bmp, TRect{0, 0, bmp.Width, bmp.Height}, src,
                         TStretchBlock{dx, dy, dw, dh, sx, sy, sw, sh, mo, centre}, srBlendOpaque);
      return;
    }
    ForEachTile(dy, dy + dh, sh, [&](i64 y, i64 h) {
      ForEachTile(dx, dx + dw, sw, [&](i64 x, i64 w) { copy(x, y, w, h, sx, sy, false); });
    });
  };
  const i64 srcRight = fx + wl + mw, srcBottom = fy + fh - wb;
  copy(0, 0, wl, wt, fx, fy, true);
  copy(0, H - wb, wl, wb, fx, srcBottom, true);
  if (mh > 0) fill(0, wt, wl, H - wt - wb, fx, fy + wt, wl, mh, false);
  if (mw > 0) fill(wl, 0, W - wl - wr, wt, fx + wl, fy, mw, wt, false);
  if (mw > 0) fill(wl, H - wb, W - wl - wr, wb, fx + wl, srcBottom, mw, wb, false);
  if (mh > 0) fill(W - wr, wt, wr, H - wt - wb, srcRight, fy + wt, wr, mh, false);
  copy(W - wr, H - wb, wr, wb, srcRight, srcBottom, true);
  copy(W - wr, 0, wr, wt, srcRight, fy, true);
  if (filling && (m.DrawMode & 4) != 0 && mh > 0 && mw > 0)
    fill(wl, wt, W - wl - wr, H - wt - wb, fx + wl, fy + wt, mw, mh, true);
}

void FillMaskCorner(const TPixelView& dst, const TPixelView& src, const TRect& dstRect, const TPoint& srcPos,
                    const TsMaskData* mask, std::int32_t corner) {
  if (!dst.Is32() || !src.Is32()) return;
  TPixelView maskImage;
  i64 mx = 0, my = 0;  // the corner's origin in the mask image
  if (mask != nullptr) {
    maskImage = MaskImageView(*mask);
    if (!maskImage.Is32()) return;
    const i64 right = i64{mask->R.Left} + MaskFrameWidth(*mask) - mask->WR;
    const i64 bottom = i64{mask->R.Top} + MaskFrameHeight(*mask) - mask->WB;
    const bool isRight = corner == kCornerTopRight || corner == kCornerBottomRight;
    const bool isBottom = corner == kCornerBottomLeft || corner == kCornerBottomRight;
    mx = isRight ? right : mask->R.Left;
    my = isBottom ? bottom : mask->R.Top;
  }
  // Columns and rows: the smaller of the rectangle and what Src holds from
  // SrcPos, cut to Dst and (with a mask) to the mask image.
  TSpan cols = ClipSpan({srcPos.X, dstRect.Left, std::min<i64>(i64{dstRect.Right} - dstRect.Left, src.Width - i64{srcPos.X})},
                        src.Width, dst.Width);
  TSpan rows = ClipSpan({srcPos.Y, dstRect.Top, std::min<i64>(i64{dstRect.Bottom} - dstRect.Top, src.Height - i64{srcPos.Y})},
                        src.Height, dst.Height);
  if (mask != nullptr) {
    // Mask column of a pixel: mx + (its source column - SrcPos.X).
    cols = ClipSpanTo(cols, srcPos.X - mx, srcPos.X - mx + maskImage.Width, 0, dst.Width);
    rows = ClipSpanTo(rows, srcPos.Y - my, srcPos.Y - my + maskImage.Height, 0, dst.Height);
  }
  for (i64 j = 0; j < rows.Count; ++j) {
    const std::uint32_t* s = src.Row32(static_cast<std::int32_t>(rows.Src + j)) + cols.Src;
    std::uint32_t* d = dst.Row32(static_cast<std::int32_t>(rows.Dst + j)) + cols.Dst;
    const std::uint32_t* k =
        mask != nullptr
            ? maskImage.Row32(static_cast<std::int32_t>(my + rows.Src + j - srcPos.Y)) + (mx + cols.Src - srcPos.X)
            : d;
    for (i64 i = 0; i < cols.Count; ++i)
      if (k[i] == KeyPixel) d[i] = s[i];
  }
}

void CollectCornerRects(std::vector<TRect>& rects, std::int32_t width, const TsMaskData& mask, bool bottom,
                        std::int32_t y) {
  if (mask.Manager == nullptr || mask.ImageCount < 1 || mask.MaskType < 0) return;
  const TPixelView src = MaskImageView(mask);
  if (!src.Is32()) return;
  const i64 ch = bottom ? mask.WB : mask.WT;
  const i64 firstRow = bottom ? mask.R.Top + (i64{mask.R.Bottom} - mask.R.Top) / (mask.MaskType + 1) - mask.WB : mask.R.Top;
  // Every corner row must lie in the image.
  if (ch < 1 || firstRow < 0 || firstRow + ch > src.Height || mask.R.Left < 0) return;
  const i64 fw = MaskFrameWidth(mask);
  const i64 leftCols = std::min<i64>(mask.WL, src.Width - i64{mask.R.Left});
  const i64 rightFirst = std::max<i64>(fw - mask.WR, 0);
  const i64 rightCols = std::min<i64>(fw, src.Width - i64{mask.R.Left}) - rightFirst;
  for (i64 r = 0; r < ch; ++r)
    if (leftCols > 0) AppendKeyRuns(src.Row32(static_cast<std::int32_t>(firstRow + r)) + mask.R.Left, leftCols, 0, y + r, rects);
  for (i64 r = 0; r < ch; ++r)
    if (rightCols > 0)
      AppendKeyRuns(src.Row32(static_cast<std::int32_t>(firstRow + r)) + mask.R.Left + rightFirst, rightCols,
                    i64{width} - fw + rightFirst, y + r, rects);
}

}  // namespace skin::paint
