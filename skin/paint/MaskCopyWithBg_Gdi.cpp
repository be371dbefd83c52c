#include "skin/paint/MaskCopyWithBg_Gdi.h"

#include "skin/paint/PixelCopies_Gdi.h"
#include "skin/paint/PixelView_Gdi.h"

namespace skin::paint {

void CopyByMaskWithBg(const TRect& dstRect, const TRect& srcRect, classlib::TBitmap* dst, const TacCacheInfo& ci,
                      const TsMaskData& mask, const bmp32::TCustomBitmap32* masterBitmap) {
  CopyByMaskWithBg(dstRect, srcRect, ViewOf(dst), CacheViewOf(ci), mask, ViewOf(masterBitmap));
}

}  // namespace skin::paint
