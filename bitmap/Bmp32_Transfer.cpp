#include "bitmap/Bmp32_Transfer.h"

#include <cmath>

namespace bmp32 {

TPixelStore::TPixelStore(const TCustomBitmap32& src, TDrawMode combineOp, const TPixelCombineEvent& combineCallBack)
    : mode_(combineOp == dmCustom && !combineCallBack ? dmOpaque : combineOp),
      masterAlpha_(src.MasterAlpha()),
      outerColor_(src.OuterColor()),
      blend_(BlendOperationsFor(src.CombineMode())),
      callBack_(combineCallBack) {}

void TPixelStore::Put(TColor32 pixel, TColor32& dst) const {
  switch (mode_) {
    case dmOpaque:
      dst = pixel;
      break;
    case dmBlend:
      blend_.MasterInPlace(pixel, dst, masterAlpha_);
      break;
    case dmCustom:
      callBack_(pixel, dst, masterAlpha_);
      break;
    case dmTransparent:
      if (pixel != outerColor_) dst = pixel;
      break;
  }
}

void TPixelStore::PutRow(const TColor32* row, TColor32* dst, std::int32_t count) const {
  switch (mode_) {
    case dmOpaque:
      MovePixels(row, dst, count);
      break;
    case dmBlend:
      if (masterAlpha_ < 255)
        blend_.RowMaster(row, dst, count, masterAlpha_);
      else
        blend_.Row(row, dst, count);
      break;
    default:
      for (std::int32_t i = 0; i < count; ++i) Put(row[i], dst[i]);
  }
}

void BlockTransfer(TCustomBitmap32& dst, TRect dstClip, const TCustomBitmap32& src, std::int32_t srcX,
                   std::int32_t srcY, TDrawMode combineOp, const TPixelCombineEvent& combineCallBack) {
  // The part of the block that lies inside the source.
  if (srcX < 0) dstClip.Left -= srcX, srcX = 0;
  if (srcY < 0) dstClip.Top -= srcY, srcY = 0;
  if (dstClip.Right - dstClip.Left > src.Width() - srcX) dstClip.Right = dstClip.Left + src.Width() - srcX;
  if (dstClip.Bottom - dstClip.Top > src.Height() - srcY) dstClip.Bottom = dstClip.Top + src.Height() - srcY;
  if (IsRectEmpty(dstClip)) return;
  const TPixelStore store(src, combineOp, combineCallBack);
  const std::int32_t count = dstClip.Right - dstClip.Left;
  for (std::int32_t y = dstClip.Top; y < dstClip.Bottom; ++y)
    store.PutRow(src.PixelPtr(srcX, srcY + y - dstClip.Top), dst.PixelPtr(dstClip.Left, y), count);
}

void StretchTransfer(TCustomBitmap32* dst, TRect dstRect, TRect dstClip, const TCustomBitmap32* src,
                     TRect srcRect, TCustomResampler* resampler, TDrawMode combineOp,
                     const TPixelCombineEvent& combineCallBack) {
  if (!dst) throw EBitmapException(L"Destination bitmap is nil");
  if (!src) throw EBitmapException(L"Source bitmap is nil");
  // Before the scales below divide by the source size.
  if (IsRectEmpty(srcRect)) return;

  const double scaleX = double(dstRect.Right - dstRect.Left) / double(srcRect.Right - srcRect.Left);
  const double scaleY = double(dstRect.Bottom - dstRect.Top) / double(srcRect.Bottom - srcRect.Top);
  if (srcRect.Left < 0) {
    dstRect.Left += static_cast<std::int32_t>(std::ceil(-srcRect.Left * scaleX));
    srcRect.Left = 0;
  }
  if (srcRect.Top < 0) {
    dstRect.Top += static_cast<std::int32_t>(std::ceil(-srcRect.Top * scaleY));
    srcRect.Top = 0;
  }
  if (srcRect.Right > src->Width()) {
    dstRect.Right -= static_cast<std::int32_t>(std::floor((srcRect.Right - src->Width()) * scaleX));
    srcRect.Right = src->Width();
  }
  if (srcRect.Bottom > src->Height()) {
    dstRect.Bottom -= static_cast<std::int32_t>(std::floor((srcRect.Bottom - src->Height()) * scaleY));
    srcRect.Bottom = src->Height();
  }

  if (src->Empty() || dst->Empty() || (combineOp == dmBlend && src->MasterAlpha() == 0) || IsRectEmpty(srcRect))
    return;

  if (!dst->Measuring()) {
    TRect clip;
    IntersectRect(clip, dstClip, dst->BoundsRect());
    IntersectRect(clip, clip, dstRect);
    if (IsRectEmpty(clip)) return;
    dstClip = clip;
    if (combineOp == dmCustom && !combineCallBack) combineOp = dmOpaque;
    const bool sameSize = dstRect.Right - dstRect.Left == srcRect.Right - srcRect.Left &&
                          dstRect.Bottom - dstRect.Top == srcRect.Bottom - srcRect.Top;
    if (!sameSize) {
      if (resampler) resampler->Transfer(*dst, dstRect, dstClip, *src, srcRect, combineOp, combineCallBack);
    } else {
      BlockTransfer(*dst, dstClip, *src, srcRect.Left + dstClip.Left - dstRect.Left,
                    srcRect.Top + dstClip.Top - dstRect.Top, combineOp, combineCallBack);
    }
    ResetMultimediaState();
  }
  dst->Changed(dstRect, AREA_PLAIN_RECT);
}

void TCustomBitmap32::Draw(const TRect& dstRect, const TRect& srcRect, const TCustomBitmap32* src) {
  if (src)
    StretchTransfer(this, dstRect, ClipRect(), src, srcRect, src->Resampler(), src->DrawMode(),
                    src->OnPixelCombine());
}

}  // namespace bmp32
