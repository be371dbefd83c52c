#include "skin/paint/MaskRect.h"

#include "skin/paint/KeyedCopies.h"
#include "skin/paint/MaskCopy32.h"
#include "skin/paint/MaskFrame.h"
#include "skin/paint/MaskSource.h"
#include "skin/paint/MaskStretch.h"
#include "skin/paint/MaskTiles.h"

namespace skin::paint {

namespace {

using i64 = std::int64_t;

struct TPainter {
  const TPixelView& Bmp;
  const TRect& Clip;
  const TPixelView& Src;
  const TCacheView& CI;
  const TsMaskData& Mask;
  const TMaskFrame& Frame;
  bool CornerFlag;
  bool Alpha32;

  void Corner(const TMaskPiece& p) const {
    const TClippedBlock b = ClipBlock(p.DstX, p.DstY, p.DstW, p.DstH, p.SrcX, p.SrcY, Clip);
    if (b.Empty()) return;
    const TRect src{static_cast<std::int32_t>(b.SrcX), static_cast<std::int32_t>(b.SrcY),
                    static_cast<std::int32_t>(b.SrcX + b.W - 1), static_cast<std::int32_t>(b.SrcY + b.H - 1)};
    const TRect dst{static_cast<std::int32_t>(b.DstX), static_cast<std::int32_t>(b.DstY),
                    static_cast<std::int32_t>(b.DstX + b.W - 1), static_cast<std::int32_t>(b.DstY + b.H - 1)};
    if (Mask.MaskType == 0)
      CopyTransparentRect(Bmp, Src, dst.Left, dst.Top, src, kSkinKeyColor, CI, Alpha32 || CornerFlag);
    else if (Alpha32)
      CopyByMask32(dst, src, Bmp, Src, CI, Mask);
    else
      CopyByMask(dst, src, Bmp, Src, CI, CornerFlag, Mask);
  }

  void Stretched(const TMaskPiece& p) const {
    const TStretchBlock block{p.DstX, p.DstY, p.DstW, p.DstH, p.SrcX, p.SrcY, p.SrcW, p.SrcH,
                              Mask.MaskType == 0 ? 0 : Frame.MO, p.Kind == mpCentre};
    StretchBlockByMask(Bmp, Clip, Src, block, Alpha32 ? srAlphaKeeping : srBlendOpaque);
  }

  void Tiled(const TMaskPiece& p) const {
    const TTileRule rule = Mask.MaskType == 0 ? trCopy : Alpha32 ? trMask32 : trMaskSkipKeys;
    // The masked copies find a mask half the mask rectangle below its pixel.
    const i64 maskOffset = (i64{Mask.R.Bottom} - Mask.R.Top) / 2;
    TileBlock(Bmp, Clip, Src, TTileBlock{p.DstX, p.DstY, p.DstW, p.DstH, p.SrcX, p.SrcY, p.SrcW, p.SrcH, maskOffset},
              rule);
  }
};

void PaintFrame(const TPixelView& bmp, const TRect& r, const TCacheView& ci, const TsMaskData& mask,
                std::int32_t state, bool cornerFlag, bool alpha32) {
  if (state == 0 && (mask.DrawMode & 2) != 0) return;
  const i64 width = i64{r.Right} - r.Left, height = i64{r.Bottom} - r.Top;
  if (width < 2 || height < 2 || mask.Manager == nullptr || !bmp.Is32()) return;
  const TPixelView src = MaskImageView(mask);
  TMaskFrame frame;
  if (!MaskFrameFor(mask, state, width, height, src, frame)) return;
  const TRect clip = ClipToView(r, bmp);
  if (clip.IsEmpty()) return;
  const TPainter painter{bmp, clip, src, ci, mask, frame, cornerFlag, alpha32};
  for (const TMaskPieceKind kind : kMaskRectOrder) {
    if (kind == mpCentre && (mask.DrawMode & 4) == 0) continue;
    const TMaskPiece piece = MaskPieceOf(frame, r, kind);
    if (piece.IsCorner())
      painter.Corner(piece);
    else if (frame.Stretched)
      painter.Stretched(piece);
    else
      painter.Tiled(piece);
  }
}

}  // namespace

void PaintMaskRect(const TPixelView& bmp, const TRect& r, const TCacheView& ci, const TsMaskData& mask,
                   std::int32_t state, bool updateCorners) {
  PaintFrame(bmp, r, ci, mask, state, updateCorners && mask.CornerType > 0, false);
}

void PaintMaskRect32(const TPixelView& bmp, const TRect& r, const TCacheView& ci, const TsMaskData& mask,
                     std::int32_t state) {
  PaintFrame(bmp, r, ci, mask, state, true, true);
}

}  // namespace skin::paint
