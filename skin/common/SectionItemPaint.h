#pragma once
// A skinned control's face from its skin data: background (with the
// owner's colour when CustomColor is set), corner images, border mask,
// then the control's own hue and saturation shift.
#include <cstdint>

#include "classlib/controls/Control.h"
#include "classlib/graphics/Bitmap.h"
#include "skin/common/sCommonData.h"
#include "skin/core/CacheInfo.h"

namespace skin {

// The colour a CustomColor control paints with: its provider form's or its
// own, as RGB; 0xFF00FF when CustomColor is off or there is no owner.
TColor CustomColorOf(const TsCommonData& skinData);

void PaintSkinDataBackground(TsCommonData& skinData, const TacCacheInfo& ci, std::int32_t state, const TRect& r,
                             const TPoint& offset, classlib::TBitmap* bmp);

// Nothing without a bitmap, a manager or a valid section, or when R does
// not lie inside ItemBmp. The hue and saturation shifts act on the whole
// bitmap; a face left partly transparent (no border drawn) is not shifted.
void PaintSectionItem(TsCommonData& skinData, const TacCacheInfo& ci, bool filling, std::int32_t state,
                      const TRect& r, const TPoint& offset, classlib::TBitmap* itemBmp, bool updateCorners);

// The same over the background Parent answers with, and without any hue or
// saturation shift; the corner images come after the border.
void PaintSectionItemOnParent(TsCommonData& skinData, classlib::TControl* parent, bool filling, std::int32_t state,
                              const TRect& r, const TPoint& offset, classlib::TBitmap* itemBmp, bool updateCorners);

}  // namespace skin
