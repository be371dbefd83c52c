#pragma once
// The face of an item drawn from a skin section given by index or name:
// background, corner images, border mask. These never shift hue or
// saturation (that belongs to a control's own skin data).
#include <windows.h>

#include <cstdint>
#include <string>

#include "skin/core/CacheInfo.h"
#include "skin/core/SkinData.h"
#include "skin/core/SkinTypes.h"
#include "skin/paint/SectionBackground_Gdi.h"

namespace classlib {
class TBitmap;
}
namespace skin {
class TsSkinManager;
}

namespace skin::paint {

// Whether R lies in Bmp as a painter needs it (no clipping is done: a
// rectangle reaching outside draws nothing).
bool ItemRectFits(const classlib::TBitmap* bmp, const TRect& r);

// The section's four corner images at R's corners, in state State; their
// key pixels keep what lies below.
void PaintCornerImages(const TsSkinManager& manager, const TsGeneralData& section, std::int32_t state,
                       const TRect& r, classlib::TBitmap* bmp);

// Section SectionIndex into R of ItemBmp over the parent CI (the item's
// place in it is Offset). A null SkinManager is the default one.
void PaintSectionItemByIndex(std::int32_t sectionIndex, const std::wstring& sectionName, const TacCacheInfo& ci,
                             bool filling, std::int32_t state, const TRect& r, const TPoint& offset,
                             classlib::TBitmap* itemBmp, TsSkinManager* skinManager, TStateTextures textures);

// Through a 32-bit bitmap of R's size copied to DC at R.
void PaintSectionItemToDC(std::int32_t sectionIndex, const std::wstring& sectionName, const TacCacheInfo& ci,
                          bool filling, std::int32_t state, const TRect& r, const TPoint& offset, HDC dc,
                          TsSkinManager* skinManager);

// The whole of ItemBmp from section SectionName, else FallbackName, looked
// up in SkinManager (the default one when null). With a SrcDC the
// background is first copied from it at SrcPos. Returns the index used;
// -1 without a manager or when neither name is found (nothing drawn).
std::int32_t PaintSectionItemByName(classlib::TBitmap* itemBmp, const std::wstring& sectionName,
                                    const std::wstring& fallbackName, std::int32_t state,
                                    TsSkinManager* skinManager, const TPoint& srcPos, TColor fillColor, HDC srcDC);

// A small part of a larger surface: the small-item background, then mask
// MaskIndex as a frame. CI is handed back as it came.
void PaintSmallItem(std::int32_t sectionIndex, std::int32_t maskIndex, TStateTextures textures, TacCacheInfo& ci,
                    bool filling, std::int32_t state, const TRect& r, const TPoint& offset,
                    classlib::TBitmap* itemBmp, TsSkinManager* skinManager);

}  // namespace skin::paint
