#include "skin/paint/NinePieces.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "skin/paint/CopyClip.h"
#include "skin/paint/NearestMap.h"

namespace skin::paint {

namespace {

using i64 = std::int64_t;

class TLayout {
 public:
  TLayout(const TRect& clip, const TNinePieceSink& sink) : clip_(clip), sink_(sink) {}

  // A block copied as it is.
  void Copy(i64 dx, i64 dy, i64 w, i64 h, i64 sx, i64 sy) const { Emit({dx, dy, w, h, sx, sy, w, h, false}); }
  void Stretch(i64 dx, i64 dy, i64 dw, i64 dh, i64 sx, i64 sy, i64 sw, i64 sh) const {
    if (sw > 0 && sh > 0) Emit({dx, dy, dw, dh, sx, sy, sw, sh, true});
  }

  // Calls place(pos, length) for the tiles of [start, end): whole tiles while
  // pos < end - tile, then the rest when > 0; tiles before clipLo are passed
  // over without a call and the run stops at clipHi.
  template <class F>
  static void Tiles(i64 start, i64 end, i64 tile, i64 clipLo, i64 clipHi, F place) {
    if (tile <= 0) return;
    i64 pos = start;
    if (clipLo > start && end - tile > start) {
      const i64 wholeTiles = (end - tile - start + tile - 1) / tile;
      pos += std::min((clipLo - start) / tile, wholeTiles) * tile;
    }
    for (; pos < end - tile; pos += tile) {
      if (pos >= clipHi) return;
      place(pos, tile);
    }
    if (end - pos > 0 && pos < clipHi) place(pos, end - pos);
  }

  i64 ClipLeft() const { return clip_.Left; }
  i64 ClipTop() const { return clip_.Top; }
  i64 ClipRight() const { return clip_.Right; }
  i64 ClipBottom() const { return clip_.Bottom; }

 private:
  void Emit(const TNinePieceBlit& b) const {
    if (b.DstW <= 0 || b.DstH <= 0) return;
    if (b.DstX >= clip_.Right || b.DstY >= clip_.Bottom || b.DstX + b.DstW <= clip_.Left ||
        b.DstY + b.DstH <= clip_.Top)
      return;
    sink_(b);
  }

  TRect clip_;
  const TNinePieceSink& sink_;
};

}  // namespace

void LayoutNinePieces(const TRect& dstRect, bool fillCentre, std::uint8_t centreMode,
                      const std::array<std::int32_t, 4>& sideModes, const TRect& limits, const TRect& margins,
                      const TRect& srcRect, const TRect& clip, const TNinePieceSink& sink) {
  const TLayout out(clip, sink);
  const i64 DL = dstRect.Left, DT = dstRect.Top, DR = dstRect.Right, DB = dstRect.Bottom;
  const i64 SL = srcRect.Left, ST = srcRect.Top, SR = srcRect.Right, SB = srcRect.Bottom;
  const i64 Ml = margins.Left, Mt = margins.Top, Mr = margins.Right, Mb = margins.Bottom;
  const i64 ml = std::min<i64>(Ml, limits.Left), mt = std::min<i64>(Mt, limits.Top);
  const i64 mr = std::min<i64>(Mr, limits.Right), mb = std::min<i64>(Mb, limits.Bottom);
  const i64 TW = std::max<i64>(0, (SR - SL) - Ml - Mr);
  const i64 TH = std::max<i64>(0, (SB - ST) - Mt - Mb);

  // Corners; a limited top or bottom width leaves a part of the margin that
  // is drawn only as wide as the limited side.
  out.Copy(DL, DT, Ml, mt, SL, ST);
  if (Mt != mt) out.Copy(DL, DT + mt, ml, Mt - mt, SL, ST + mt);
  out.Copy(DL, DB - mb, Ml, mb, SL, SB - mb);
  if (Mb != mb) out.Copy(DL, DB - Mb, ml, Mb - mb, SL, SB - Mb);
  out.Copy(DR - Mr, DT, Mr, mt, SR - Mr, ST);
  if (Mt != mt) out.Copy(DR - mr, DT + mt, mr, Mt - mt, SR - mr, ST + mt);
  out.Copy(DR - Mr, DB - mb, Mr, mb, SR - Mr, SB - mb);
  if (Mb != mb) out.Copy(DR - mr, DB - Mb, mr, Mb - mb, SR - mr, SB - Mb);

  // Sides: a vertical one at column x, `width` wide, from source (sx, ST + Mt).
  const auto vertical = [&](std::int32_t mode, i64 x, i64 width, i64 sx) {
    if (TH == 0) return;
    const i64 from = DT + Mt, to = DB - Mb;
    if (mode == 0)
      TLayout::Tiles(from, to, TH, out.ClipTop(), out.ClipBottom(),
                     [&](i64 y, i64 len) { out.Copy(x, y, width, len, sx, ST + Mt); });
    else if (mode == 1)
      out.Stretch(x, from, width, to - from, sx, ST + Mt, width, TH);
  };
  const auto horizontal = [&](std::int32_t mode, i64 y, i64 height, i64 sy) {
    if (TW == 0) return;
    const i64 from = DL + Ml, to = DR - Mr;
    if (mode == 0)
      TLayout::Tiles(from, to, TW, out.ClipLeft(), out.ClipRight(),
                     [&](i64 x, i64 len) { out.Copy(x, y, len, height, SL + Ml, sy); });
    else if (mode == 1)
      out.Stretch(from, y, to - from, height, SL + Ml, sy, TW, height);
  };
  vertical(sideModes[0], DL, ml, SL);
  horizontal(sideModes[1], DT, mt, ST);
  vertical(sideModes[2], DR - mr, mr, SR - mr);
  horizontal(sideModes[3], DB - mb, mb, SB - mb);

  if (!fillCentre) return;
  const i64 cl = DL + Ml, ct = DT + Mt, cr = DR - Mr, cb = DB - Mb;
  if (centreMode == 1) {
    out.Stretch(cl, ct, cr - cl, cb - ct, SL + Ml, ST + Mt, TW, TH);
  } else if (centreMode == 0 && TW != 0 && TH != 0) {
    TLayout::Tiles(cl, cr, TW, out.ClipLeft(), out.ClipRight(), [&](i64 x, i64 w) {
      TLayout::Tiles(ct, cb, TH, out.ClipTop(), out.ClipBottom(),
                     [&](i64 y, i64 h) { out.Copy(x, y, w, h, SL + Ml, ST + Mt); });
    });
  }
}

void DrawNinePieceBlit(const TPixelView& dst, const TPixelView& src, const TNinePieceBlit& b) {
  if (!dst.Valid() || !src.Valid() || dst.BytesPerPixel != src.BytesPerPixel) return;
  const std::int32_t bpp = dst.BytesPerPixel;
  if (!b.Stretch) {
    const TSpan cols = ClipSpan({b.SrcX, b.DstX, b.DstW}, src.Width, dst.Width);
    const TSpan rows = ClipSpan({b.SrcY, b.DstY, b.DstH}, src.Height, dst.Height);
    if (cols.Count < 1 || rows.Count < 1) return;
    for (i64 j = 0; j < rows.Count; ++j)
      std::memmove(dst.Row(static_cast<std::int32_t>(rows.Dst + j)) + cols.Dst * bpp,
                   src.Row(static_cast<std::int32_t>(rows.Src + j)) + cols.Src * bpp,
                   static_cast<std::size_t>(cols.Count * bpp));
    return;
  }
  if (b.DstW <= 0 || b.DstH <= 0 || b.SrcW <= 0 || b.SrcH <= 0) return;
  const auto sample = [](i64 d, i64 dstStart, i64 dstLen, i64 srcStart, i64 srcLen) {
    return srcStart + NearestSource(d - dstStart, dstLen, srcLen);
  };
  std::vector<std::int32_t> srcCols;
  const i64 x0 = std::max<i64>(b.DstX, 0), x1 = std::min<i64>(b.DstX + b.DstW, dst.Width);
  const i64 y0 = std::max<i64>(b.DstY, 0), y1 = std::min<i64>(b.DstY + b.DstH, dst.Height);
  if (x0 >= x1 || y0 >= y1) return;
  srcCols.reserve(static_cast<std::size_t>(x1 - x0));
  for (i64 x = x0; x < x1; ++x) {
    const i64 sx = sample(x, b.DstX, b.DstW, b.SrcX, b.SrcW);
    srcCols.push_back(sx >= 0 && sx < src.Width ? static_cast<std::int32_t>(sx) : -1);
  }
  for (i64 y = y0; y < y1; ++y) {
    const i64 sy = sample(y, b.DstY, b.DstH, b.SrcY, b.SrcH);
    if (sy < 0 || sy >= src.Height) continue;
    const std::uint8_t* s = src.Row(static_cast<std::int32_t>(sy));
    std::uint8_t* d = dst.Row(static_cast<std::int32_t>(y));
    for (i64 x = x0; x < x1; ++x) {
      const std::int32_t sx = srcCols[static_cast<std::size_t>(x - x0)];
      if (sx >= 0) std::memmove(d + x * bpp, s + static_cast<i64>(sx) * bpp, static_cast<std::size_t>(bpp));
    }
  }
}

void PaintNinePieces(const TPixelView& dst, const TPixelView& src, const TRect& dstRect, bool fillCentre,
                     std::uint8_t centreMode, const std::array<std::int32_t, 4>& sideModes, const TRect& limits,
                     const TRect& margins, const TRect& srcRect) {
  if (!dst.Valid() || !src.Valid() || dst.BytesPerPixel != src.BytesPerPixel) return;
  LayoutNinePieces(dstRect, fillCentre, centreMode, sideModes, limits, margins, srcRect,
                   TRect{0, 0, dst.Width, dst.Height},
                   [&](const TNinePieceBlit& blit) { DrawNinePieceBlit(dst, src, blit); });
}

}  // namespace skin::paint
