#pragma once
// The region painters over the class library's bitmaps and the platform's
// regions: the key runs the portable painters collect are cut out of the
// region. Every temporary region is deleted.
#include <windows.h>

#include <cstdint>
#include <vector>

#include "skin/core/SkinData.h"
#include "skin/core/SkinTypes.h"

namespace classlib {
class TBitmap;
}

namespace skin {
class TsSkinManager;
}

namespace skin::paint {

// Removes each rectangle from the region (nothing for a null region).
void CutRectsFromRegion(HRGN region, const std::vector<TRect>& rects);

void CopyMaskCornersWithRegion(classlib::TBitmap* bmp, HRGN region, bool filling, const TsMaskData& mask,
                               std::int32_t state);
void CopyMaskCorners(std::int32_t dstLeft, std::int32_t dstTop, std::int32_t dstRight, std::int32_t dstBottom,
                     std::int32_t srcLeft, std::int32_t srcTop, std::int32_t srcRight, std::int32_t srcBottom,
                     classlib::TBitmap* dst, HRGN region, const TsMaskData& mask, bool update);
// MaskIndex -1: no mask; an index the manager's skin lacks draws nothing.
void FillMaskCorner(classlib::TBitmap* dst, classlib::TBitmap* src, const TRect& dstRect, const TPoint& srcPos,
                    std::int32_t maskIndex, TsSkinManager* skinManager, std::int32_t corner);

}  // namespace skin::paint
