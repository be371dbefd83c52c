#pragma once
// The mask painters over the class library's bitmaps: each builds views
// and calls the portable routine of the same name. Destinations must be
// pf32bit (others are left as they are); arguments the painters do not
// consult are kept so that callers pass what they always passed.
#include <cstdint>

#include "skin/core/CacheInfo.h"
#include "skin/core/SkinData.h"
#include "skin/core/SkinTypes.h"

namespace classlib {
class TBitmap;
}

namespace skin {
class TsSkinManager;
}

namespace skin::paint {

void PaintMaskRect(classlib::TBitmap* bmp, const TRect& r, bool filling, const TacCacheInfo& ci,
                   const TsMaskData& mask, std::int32_t state, bool updateCorners, TsSkinManager* skinManager);
void StretchByMask(std::int32_t dstX, std::int32_t dstY, std::int32_t dstW, std::int32_t dstH, std::int32_t srcX,
                   std::int32_t srcY, std::int32_t srcW, std::int32_t srcH, classlib::TBitmap* dst,
                   classlib::TBitmap* src, std::int32_t maskOffset, bool centre);

void PaintMaskGlyph(classlib::TBitmap* bmp, const TPoint& pos, std::int32_t state, std::int32_t mode,
                    const TsMaskData& mask, const TacCacheInfo& ci);
void CopyGlyphByMask(const TRect& dstRect, const TRect& srcRect, classlib::TBitmap* dst, classlib::TBitmap* src,
                     TColor transColor, std::int32_t mode, const TsMaskData& mask);

// A null SkinManager is the default manager.
void PaintSectionItem32(std::int32_t sectionIndex, bool filling, std::int32_t state, const TRect& r,
                        const TPoint& offset, classlib::TBitmap* bmp, TsSkinManager* skinManager);
void PaintSectionBackground32(std::int32_t sectionIndex, std::int32_t state, const TRect& r, const TPoint& offset,
                              classlib::TBitmap* bmp, TsSkinManager* skinManager, std::int32_t reserved1,
                              std::int32_t reserved2, TColor customColor);
void PaintMaskRect32(classlib::TBitmap* bmp, const TRect& r, bool filling, const TacCacheInfo& ci,
                     const TsMaskData& mask, std::int32_t state, TsSkinManager* skinManager);
void CopyByMask32(const TRect& dstRect, const TRect& srcRect, classlib::TBitmap* dst, classlib::TBitmap* src,
                  const TacCacheInfo& ci, const TsMaskData& mask);
void StretchByMask32(std::int32_t dstX, std::int32_t dstY, std::int32_t dstW, std::int32_t dstH, std::int32_t srcX,
                     std::int32_t srcY, std::int32_t srcW, std::int32_t srcH, classlib::TBitmap* dst,
                     classlib::TBitmap* src, std::int32_t maskOffset, bool centre);

}  // namespace skin::paint
