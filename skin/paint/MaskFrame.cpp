#include "skin/paint/MaskFrame.h"

#include <algorithm>

#include "skin/core/MaskValue.h"

namespace skin::paint {

void ShrinkBorderPair(std::int64_t& a, std::int64_t& b, std::int64_t length) {
  if (length >= a + b) return;
  const std::int64_t d = a + b - length;
  a -= d / 2;
  b -= d / 2 + d % 2;
  a = std::max<std::int64_t>(a, 0);
  b = std::max<std::int64_t>(b, 0);
}

std::int32_t MaskFrameIndex(const TsMaskData& mask, std::int32_t state) {
  if (mask.ImageCount < 1) return -1;
  return std::clamp<std::int32_t>(state, 0, mask.ImageCount - 1);
}

bool MaskFrameFor(const TsMaskData& mask, std::int32_t state, std::int64_t width, std::int64_t height,
                  const TPixelView& source, TMaskFrame& f) {
  const std::int32_t index = MaskFrameIndex(mask, state);
  if (index < 0 || mask.MaskType < 0 || !source.Is32()) return false;
  const TRect& r = mask.R;
  if (r.Left < 0 || r.Top < 0 || r.Right > source.Width || r.Bottom > source.Height) return false;
  f.FW = MaskFrameWidth(mask);
  f.FH = MaskFrameHeight(mask);
  f.MO = mask.MaskType == 0 ? 0 : f.FH;
  f.FX = r.Left + std::int64_t{index} * f.FW;
  f.FY = r.Top;
  f.WL = mask.WL;
  f.WT = mask.WT;
  f.WR = mask.WR;
  f.WB = mask.WB;
  ShrinkBorderPair(f.WL, f.WR, width);
  ShrinkBorderPair(f.WT, f.WB, height);
  f.MW = f.FW - f.WL - f.WR;
  f.MH = f.FH - f.WT - f.WB;
  f.Stretched = (mask.DrawMode & 1) != 0;
  return f.MW >= 0 && f.MH >= 0;
}

TMaskPiece MaskPieceOf(const TMaskFrame& f, const TRect& r, TMaskPieceKind kind) {
  const std::int64_t L = r.Left, T = r.Top, Rt = r.Right, B = r.Bottom;
  const std::int64_t midX = L + f.WL, midW = Rt - f.WR - midX;  // sides and centre across
  const std::int64_t midY = T + f.WT, midH = B - f.WB - midY;   // sides and centre down
  const std::int64_t srcRight = f.FX + f.WL + f.MW, srcBottom = f.FY + f.FH - f.WB;
  TMaskPiece p;
  p.Kind = kind;
  const auto set = [&](std::int64_t dx, std::int64_t dy, std::int64_t dw, std::int64_t dh, std::int64_t sx,
                       std::int64_t sy, std::int64_t sw, std::int64_t sh) {
    p.DstX = dx, p.DstY = dy, p.DstW = dw, p.DstH = dh;
    p.SrcX = sx, p.SrcY = sy, p.SrcW = sw, p.SrcH = sh;
  };
  switch (kind) {
    case mpTopLeft: set(L, T, f.WL, f.WT, f.FX, f.FY, f.WL, f.WT); break;
    case mpLeft: set(L, midY, f.WL, midH, f.FX, f.FY + f.WT, f.WL, f.MH); break;
    case mpTop: set(midX, T, midW, f.WT, f.FX + f.WL, f.FY, f.MW, f.WT); break;
    case mpBottomLeft: set(L, B - f.WB, f.WL, f.WB, f.FX, srcBottom, f.WL, f.WB); break;
    case mpBottom: set(midX, B - f.WB, midW, f.WB, f.FX + f.WL, srcBottom, f.MW, f.WB); break;
    case mpBottomRight: set(Rt - f.WR, B - f.WB, f.WR, f.WB, srcRight, srcBottom, f.WR, f.WB); break;
    case mpTopRight: set(Rt - f.WR, T, f.WR, f.WT, srcRight, f.FY, f.WR, f.WT); break;
    case mpRight: set(Rt - f.WR, midY, f.WR, midH, srcRight, f.FY + f.WT, f.WR, f.MH); break;
    case mpCentre: set(midX, midY, midW, midH, f.FX + f.WL, f.FY + f.WT, f.MW, f.MH); break;
  }
  return p;
}

TClippedBlock ClipBlock(std::int64_t dstX, std::int64_t dstY, std::int64_t w, std::int64_t h, std::int64_t srcX,
                        std::int64_t srcY, const TRect& clip) {
  TClippedBlock b{dstX, dstY, w, h, srcX, srcY};
  const std::int64_t cutLeft = std::max<std::int64_t>(0, clip.Left - b.DstX);
  const std::int64_t cutTop = std::max<std::int64_t>(0, clip.Top - b.DstY);
  b.DstX += cutLeft, b.SrcX += cutLeft, b.W -= cutLeft;
  b.DstY += cutTop, b.SrcY += cutTop, b.H -= cutTop;
  b.W = std::min<std::int64_t>(b.W, clip.Right - b.DstX);
  b.H = std::min<std::int64_t>(b.H, clip.Bottom - b.DstY);
  return b;
}

TRect ClipToView(const TRect& r, const TPixelView& view) {
  return TRect{std::max(r.Left, 0), std::max(r.Top, 0), std::min(r.Right, view.Width),
               std::min(r.Bottom, view.Height)};
}

}  // namespace skin::paint
