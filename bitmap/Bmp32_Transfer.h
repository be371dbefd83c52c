#pragma once
// Scaled and unscaled copies of one bitmap rectangle into another, and the
// draw-mode store they share with the resamplers.
#include <cstdint>

#include "bitmap/Bmp32.h"
#include "bitmap/Bmp32_Error.h"

namespace bmp32 {

// Raised by the transfers for a missing bitmap.
class EBitmapException : public classlib::Exception {
 public:
  using Exception::Exception;
};

// Writes a transferred pixel by the draw mode: dmOpaque stores it, dmBlend
// blends it with the source's master alpha and combine mode, dmTransparent
// skips the source's outer colour, dmCustom calls the callback (dmOpaque
// when there is none).
class TPixelStore {
 public:
  TPixelStore(const TCustomBitmap32& src, TDrawMode combineOp, const TPixelCombineEvent& combineCallBack);
  TDrawMode Mode() const { return mode_; }
  void Put(TColor32 pixel, TColor32& dst) const;
  // Count pixels of `row` into `dst`.
  void PutRow(const TColor32* row, TColor32* dst, std::int32_t count) const;

 private:
  TDrawMode mode_;
  std::uint32_t masterAlpha_;
  TColor32 outerColor_;
  TBlendOperations blend_;
  const TPixelCombineEvent& callBack_;
};

// Fills DstClip of Dst from the source block at (SrcX, SrcY), clipped to the
// source.
void BlockTransfer(TCustomBitmap32& dst, TRect dstClip, const TCustomBitmap32& src, std::int32_t srcX,
                   std::int32_t srcY, TDrawMode combineOp, const TPixelCombineEvent& combineCallBack);

// SrcRect of Src into DstRect of Dst within DstClip, through the resampler
// when the sizes differ. Raises EBitmapException for a null bitmap.
void StretchTransfer(TCustomBitmap32* dst, TRect dstRect, TRect dstClip, const TCustomBitmap32* src,
                     TRect srcRect, TCustomResampler* resampler, TDrawMode combineOp,
                     const TPixelCombineEvent& combineCallBack);

}  // namespace bmp32
