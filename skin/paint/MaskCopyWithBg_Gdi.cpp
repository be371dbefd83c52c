#include "skin/paint/MaskCopyWithBg_Gdi.h"

#include "skin/paint/PixelView_Gdi.h"

namespace skin::paint {

TBackgroundView BackgroundViewOf(const TacCacheInfo& ci) {
  return TBackgroundView{ViewOf(ci.Bmp), ci.X, ci.Y, ci.FillColor, ci.Ready};
}

void CopyByMaskWithBg(const TRect& dstRect, const TRect& srcRect, classlib::TBitmap* dst, const TacCacheInfo& ci,
                      const TsMaskData& mask, const bmp32::TCustomBitmap32* masterBitmap) {
  CopyByMaskWithBg(dstRect, srcRect, ViewOf(dst), BackgroundViewOf(ci), mask, ViewOf(masterBitmap));
}

}  // namespace skin::paint
