#include "skin/paint/SectionItem_Gdi.h"

#include <algorithm>
#include <memory>

#include "classlib/graphics/Bitmap.h"
#include "skin/core/MaskValue.h"
#include "skin/manager/sSkinManager.h"
#include "skin/paint/MaskPaint_Gdi.h"
#include "skin/paint/PixelCopies_Gdi.h"

namespace skin::paint {

using classlib::TBitmap;

namespace {

const TsMaskData& MaskOf(const TsSkinManager& manager, std::int32_t index) {
  return manager.Skin()->Masks[static_cast<std::size_t>(index)];
}

}  // namespace

bool ItemRectFits(const TBitmap* bmp, const TRect& r) {
  return bmp != nullptr && r.Left >= 0 && r.Top >= 0 && r.Right <= bmp->Width() && r.Bottom <= bmp->Height();
}

void PaintCornerImages(const TsSkinManager& manager, const TsGeneralData& section, std::int32_t state,
                       const TRect& r, TBitmap* bmp) {
  const TacCacheInfo own = MakeCacheInfo(bmp, 0, 0);
  const auto paint = [&](std::int32_t index, bool right, bool bottom) {
    if (!manager.IsValidImgIndex(index)) return;
    const TsMaskData& mask = MaskOf(manager, index);
    const TPoint pos{right ? r.Right - MaskFrameWidth(mask) : r.Left, bottom ? r.Bottom - MaskFrameHeight(mask) : r.Top};
    PaintMaskGlyph(bmp, pos, state, 1, mask, own);
  };
  paint(section.ImgTopLeft, false, false);
  paint(section.ImgTopRight, true, false);
  paint(section.ImgBottomLeft, false, true);
  paint(section.ImgBottomRight, true, true);
}

void PaintSectionItemByIndex(std::int32_t sectionIndex, const std::wstring& sectionName, const TacCacheInfo& ci,
                             bool filling, std::int32_t state, const TRect& r, const TPoint& offset, TBitmap* itemBmp,
                             TsSkinManager* skinManager, TStateTextures textures) {
  if (!itemBmp || r.IsEmpty()) return;
  TsSkinManager* manager = skinManager ? skinManager : TsSkinManager::DefaultManager();
  if (!manager || !manager->IsValidSkinIndex(sectionIndex) || !ItemRectFits(itemBmp, r)) return;
  const TsGeneralData& section = manager->Skin()->Sections[static_cast<std::size_t>(sectionIndex)];
  state = ClampSectionState(section, state);
  PaintSectionBackground(sectionIndex, sectionName, ci, state, r, offset, itemBmp, manager, textures, kSkinKeyColor);
  PaintCornerImages(*manager, section, state, r, itemBmp);
  TacCacheInfo shifted = ci;
  shifted.X += offset.X;
  shifted.Y += offset.Y;
  if (manager->IsValidImgIndex(section.BorderIndex))
    PaintMaskRect(itemBmp, r, filling, shifted, MaskOf(*manager, section.BorderIndex), state, true, nullptr);
}

void PaintSectionItemToDC(std::int32_t sectionIndex, const std::wstring& sectionName, const TacCacheInfo& ci,
                          bool filling, std::int32_t state, const TRect& r, const TPoint& offset, HDC dc,
                          TsSkinManager* skinManager) {
  TsSkinManager* manager = skinManager ? skinManager : TsSkinManager::DefaultManager();
  if (!manager || !manager->IsValidSkinIndex(sectionIndex) || r.Left < 0 || r.Top < 0 || r.Width() < 1 ||
      r.Height() < 1)
    return;
  const int saved = SaveDC(dc);
  const std::unique_ptr<TBitmap> face(NewBitmap32(r.Width(), r.Height()));
  PaintSectionItemByIndex(sectionIndex, sectionName, ci, filling, state, TRect{0, 0, r.Width(), r.Height()}, offset,
                          face.get(), manager, TStateTextures{});
  BitBlt(dc, r.Left, r.Top, r.Width(), r.Height(), face->Canvas()->Handle(), 0, 0, SRCCOPY);
  RestoreDC(dc, saved);
}

std::int32_t PaintSectionItemByName(TBitmap* itemBmp, const std::wstring& sectionName,
                                    const std::wstring& fallbackName, std::int32_t state, TsSkinManager* skinManager,
                                    const TPoint& srcPos, TColor fillColor, HDC srcDC) {
  TsSkinManager* manager = skinManager ? skinManager : TsSkinManager::DefaultManager();
  if (!manager) return -1;
  std::wstring name = sectionName;
  std::int32_t index = manager->GetSkinIndex(name);
  if (!manager->IsValidSkinIndex(index)) {
    name = fallbackName;
    index = manager->GetSkinIndex(name);
  }
  if (!manager->IsValidSkinIndex(index)) return -1;
  if (!itemBmp) return index;
  TacCacheInfo ci;
  ci.FillColor = fillColor;
  if (srcDC) {
    BitBlt(itemBmp->Canvas()->Handle(), 0, 0, itemBmp->Width(), itemBmp->Height(), srcDC, srcPos.X, srcPos.Y,
           SRCCOPY);
    ci.Bmp = itemBmp;
    ci.Ready = true;
  }
  // The section was found in Manager: it paints from there as well.
  PaintSectionItemByIndex(index, name, ci, true, state, TRect{0, 0, itemBmp->Width(), itemBmp->Height()},
                          TPoint{0, 0}, itemBmp, manager, TStateTextures{});
  return index;
}

void PaintSmallItem(std::int32_t sectionIndex, std::int32_t maskIndex, TStateTextures textures, TacCacheInfo& ci,
                    bool filling, std::int32_t state, const TRect& r, const TPoint& offset, TBitmap* itemBmp,
                    TsSkinManager* skinManager) {
  TsSkinManager* manager = skinManager ? skinManager : TsSkinManager::DefaultManager();
  if (!manager || !manager->IsValidSkinIndex(sectionIndex) || !ItemRectFits(itemBmp, r)) return;
  state = ClampSectionState(manager->Skin()->Sections[static_cast<std::size_t>(sectionIndex)], state);
  PaintSmallItemBackground(sectionIndex, textures, ci, state, r, offset, itemBmp, manager);
  if (!manager->IsValidImgIndex(maskIndex)) return;
  TacCacheInfo shifted = ci;  // the caller's record stays as it came
  shifted.X += offset.X;
  shifted.Y += offset.Y;
  PaintMaskRect(itemBmp, r, filling, shifted, MaskOf(*manager, maskIndex), state, true, manager);
}

}  // namespace skin::paint
