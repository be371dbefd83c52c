#pragma once
// The background-taking masked copy over the class library's bitmaps.
#include "skin/core/CacheInfo.h"
#include "skin/core/SkinData.h"
#include "skin/paint/MaskCopyWithBg.h"

namespace classlib {
class TBitmap;
}

namespace skin::paint {

// CopyByMaskWithBg from the skin's master image into a pf32bit Dst; nothing
// for another format.
void CopyByMaskWithBg(const TRect& dstRect, const TRect& srcRect, classlib::TBitmap* dst, const TacCacheInfo& ci,
                      const TsMaskData& mask, const bmp32::TCustomBitmap32* masterBitmap);

}  // namespace skin::paint
