#include "skin/paint/MaskRegions_Gdi.h"

#include "skin/manager/sSkinManager.h"
#include "skin/paint/MaskRegions.h"
#include "skin/paint/PixelView_Gdi.h"

namespace skin::paint {

void CutRectsFromRegion(HRGN region, const std::vector<TRect>& rects) {
  if (region == nullptr) return;
  for (const TRect& r : rects) {
    HRGN cut = CreateRectRgn(r.Left, r.Top, r.Right, r.Bottom);
    if (cut == nullptr) continue;
    CombineRgn(region, region, cut, RGN_DIFF);
    DeleteObject(cut);
  }
}

void CopyMaskCornersWithRegion(classlib::TBitmap* bmp, HRGN region, bool filling, const TsMaskData& mask,
                               std::int32_t state) {
  std::vector<TRect> cuts;
  CopyMaskCornersWithRegion(ViewOf(bmp), region != nullptr ? &cuts : nullptr, filling, mask, state);
  CutRectsFromRegion(region, cuts);
}

void CopyMaskCorners(std::int32_t dstLeft, std::int32_t dstTop, std::int32_t dstRight, std::int32_t dstBottom,
                     std::int32_t srcLeft, std::int32_t srcTop, std::int32_t srcRight, std::int32_t srcBottom,
                     classlib::TBitmap* dst, HRGN region, const TsMaskData& mask, bool update) {
  std::vector<TRect> cuts;
  CopyMaskCorners(dstLeft, dstTop, dstRight, dstBottom, srcLeft, srcTop, srcRight, srcBottom, ViewOf(dst),
                  region != nullptr ? &cuts : nullptr, mask, update);
  CutRectsFromRegion(region, cuts);
}

void FillMaskCorner(classlib::TBitmap* dst, classlib::TBitmap* src, const TRect& dstRect, const TPoint& srcPos,
                    std::int32_t maskIndex, TsSkinManager* skinManager, std::int32_t corner) {
  const TsMaskData* mask = nullptr;
  if (maskIndex != -1) {
    const TsSkinModel* skin = skinManager != nullptr ? skinManager->Skin() : nullptr;
    if (skin == nullptr || maskIndex < 0 || static_cast<std::size_t>(maskIndex) >= skin->Masks.size()) return;
    mask = &skin->Masks[maskIndex];
  }
  FillMaskCorner(ViewOf(dst), ViewOf(src), dstRect, srcPos, mask, corner);
}

}  // namespace skin::paint
