#include "skin/common/SectionItemPaint.h"

#include <algorithm>

#include "classlib/graphics/Colors.h"
#include "skin/common/ParentBackground.h"
#include "skin/manager/sSkinManager.h"
#include "skin/paint/ColorAdjust.h"
#include "skin/paint/MaskPaint_Gdi.h"
#include "skin/paint/PixelView_Gdi.h"
#include "skin/paint/SectionBackground_Gdi.h"
#include "skin/paint/SectionItem_Gdi.h"

namespace skin {

using namespace classlib;

namespace {

// The manager and section a painter may draw from; null when it may not.
const TsGeneralData* PaintableSection(TsCommonData& skinData, TsSkinManager*& manager) {
  manager = skinData.SkinManager();
  if (!manager || !manager->IsValidSkinIndex(skinData.SkinIndex)) return nullptr;
  return &manager->Skin()->Sections[static_cast<std::size_t>(skinData.SkinIndex)];
}

// The border is left out in the normal state of a mask drawn only when hot.
const TsMaskData* BorderToDraw(const TsSkinManager& manager, std::int32_t borderIndex, std::int32_t state) {
  if (!manager.IsValidImgIndex(borderIndex)) return nullptr;
  const TsMaskData& mask = manager.Skin()->Masks[static_cast<std::size_t>(borderIndex)];
  return state == 0 && mask.DrawMode == 2 ? nullptr : &mask;
}

void ShiftColours(const TsCommonData& skinData, TBitmap* bmp) {
  if (skinData.HUEOffset() != 0) paint::AdjustBitmapHue(paint::ViewOf(bmp), skinData.HUEOffset());
  if (skinData.Saturation() != 0) paint::AdjustBitmapSaturation(paint::ViewOf(bmp), skinData.Saturation());
}

}  // namespace

TColor CustomColorOf(const TsCommonData& skinData) {
  if (!skinData.CustomColor()) return kSkinKeyColor;
  if (TWinControl* form = skinData.ProviderForm()) return ColorToRGB(form->Color());
  if (TControl* owner = skinData.OwnerControl()) return ColorToRGB(owner->Color());
  return kSkinKeyColor;
}

void PaintSkinDataBackground(TsCommonData& skinData, const TacCacheInfo& ci, std::int32_t state, const TRect& r,
                             const TPoint& offset, TBitmap* bmp) {
  TsSkinManager* manager = nullptr;
  const TsGeneralData* section = PaintableSection(skinData, manager);
  if (!section) return;
  paint::PaintSectionBackground(skinData.SkinIndex, skinData.SkinSection(), ci, paint::ClampSectionState(*section, state),
                                r, offset, bmp, manager, paint::TStateTextures{skinData.Texture, skinData.HotTexture},
                                CustomColorOf(skinData));
}

void PaintSectionItem(TsCommonData& skinData, const TacCacheInfo& ci, bool /*filling*/, std::int32_t state,
                      const TRect& r, const TPoint& offset, TBitmap* itemBmp, bool updateCorners) {
  TsSkinManager* manager = nullptr;
  const TsGeneralData* section = PaintableSection(skinData, manager);
  if (!section || !paint::ItemRectFits(itemBmp, r)) return;
  state = paint::ClampSectionState(*section, state);
  PaintSkinDataBackground(skinData, ci, state, r, offset, itemBmp);
  TacCacheInfo shifted = ci;
  shifted.X += offset.X;
  shifted.Y += offset.Y;
  paint::PaintCornerImages(*manager, *section, state, r, itemBmp);
  if (const TsMaskData* border = BorderToDraw(*manager, skinData.BorderIndex, state)) {
    paint::PaintMaskRect(itemBmp, r, true, shifted, *border, state, updateCorners, nullptr);
    ShiftColours(skinData, itemBmp);
  } else if (section->Props[std::min(state, 1)].Transparency == 0) {
    ShiftColours(skinData, itemBmp);
  }
}

void PaintSectionItemOnParent(TsCommonData& skinData, TControl* parent, bool /*filling*/, std::int32_t state,
                              const TRect& r, const TPoint& offset, TBitmap* itemBmp, bool updateCorners) {
  TsSkinManager* manager = nullptr;
  const TsGeneralData* section = PaintableSection(skinData, manager);
  if (!section || !paint::ItemRectFits(itemBmp, r)) return;
  state = paint::ClampSectionState(*section, state);
  TacBGInfo bg;
  bg.PleaseDraw = false;
  QueryControlBackground(bg, parent, false);
  TacCacheInfo ci;
  BgInfoToCacheInfo(bg, ci);
  PaintSkinDataBackground(skinData, ci, state, r, offset, itemBmp);
  ci.X += offset.X;
  ci.Y += offset.Y;
  if (const TsMaskData* border = BorderToDraw(*manager, skinData.BorderIndex, state))
    paint::PaintMaskRect(itemBmp, r, true, ci, *border, state, updateCorners, nullptr);
  paint::PaintCornerImages(*manager, *section, state, r, itemBmp);
}

}  // namespace skin
