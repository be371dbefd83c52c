#pragma once
// The pixel copies, blends and nine-piece copy over the class library's
// bitmaps: each builds views and calls the portable routine of the same
// name. Bitmaps that must be 32-bit and are not (or are null) make the
// routine draw nothing. Created bitmaps are owned by the caller.
#include <array>
#include <cstdint>

#include "skin/core/CacheInfo.h"
#include "skin/core/SkinData.h"
#include "skin/core/SkinTypes.h"
#include "skin/paint/CacheView.h"

namespace classlib {
class TBitmap;
}

namespace skin::paint {

using classlib::TBitmap;

// The parent image of CI as a view (a device bitmap is made a DIB first).
TCacheView CacheViewOf(const TacCacheInfo& ci);

// A new pf32bit bitmap of that size (negative sizes count as 0).
TBitmap* NewBitmap32(std::int32_t width, std::int32_t height);
// A new bitmap of Bmp's size and pixel format (an empty one for null).
TBitmap* NewBitmapLike(TBitmap* bmp);

// Bmp8 must be pf8bit; only the part both bitmaps cover is copied.
void CopyBitmapChannel(TBitmap* bmp32, TBitmap* bmp8, std::int32_t channel, bool extract);

void FadeBmpToColor(TBitmap* bmp, TColor color, double ratio);
void BlendColorByMask(TBitmap* bmp, TBitmap* mask, TColor color);
void BlendEqualBitmaps(TBitmap* dst, TBitmap* src, std::uint8_t alpha);
void BlendRect256(TBitmap* dst, TBitmap* src, std::uint8_t alpha, const TPoint& dstPos, const TRect& srcRect);
void BlendTransRect(TBitmap* dst, std::int32_t x, std::int32_t y, TColor transColor, double ratio,
                    const TRect& srcRect, TBitmap* src);
// A null Dst becomes a new pf32bit bitmap of Src1's size.
void BlendBitmaps(TBitmap*& dst, TBitmap* src1, TBitmap* src2, std::uint16_t weight, TBitmap* mask);
void AlphaBlendByMask(TBitmap* dst, TBitmap* src, TBitmap* mask, const TRect& r);

// A Src that is not pf32bit is switched to pf24bit first.
void CopyBmpWithKey(TBitmap* dst, TBitmap* src, std::int32_t x, TColor transColor, std::int32_t y);
void CopyTransRect(const TRect& dstRect, const TRect& srcRect, TBitmap* dst, bool useCache,
                   const TacCacheInfo& ci, TBitmap* src);
void CopyTransparentRect(TBitmap* dst, TBitmap* src, std::int32_t x, std::int32_t y, const TRect& srcRect,
                         TColor transColor, const TacCacheInfo& ci, bool updateCorners);
void CopyByMask(const TRect& dstRect, const TRect& srcRect, TBitmap* dst, TBitmap* src, const TacCacheInfo& ci,
                bool updateCorners, const TsMaskData& mask);
// Src is switched to pf32bit.
void CopyAlphaBitmap(const TRect& dstRect, const TRect& srcRect, TBitmap* dst, TBitmap* src,
                     const TacCacheInfo& ci, bool useCache, TColor blendColor, std::int32_t transparency,
                     bool reflected);
void CopyKeyedRect(TBitmap* dst, TBitmap* src, std::int32_t x, std::int32_t y, const TRect& srcRect,
                   TColor transColor, const TacCacheInfo& ci);

// A new pf32bit bitmap holding Bmp turned by a quarter turn; null when Bmp
// is not pf32bit. With FreeSource, Bmp is freed and set to null either way.
TBitmap* RotateBitmap90(TBitmap*& bmp, bool clockwise, bool freeSource);

// The nine pieces with BitBlt and StretchBlt (COLORONCOLOR) on the
// bitmaps' canvases.
void PaintNinePieces(TBitmap* dst, TBitmap* src, const TRect& dstRect, bool fillCentre, std::uint8_t centreMode,
                     const std::array<std::int32_t, 4>& sideModes, const TRect& limits, const TRect& margins,
                     const TRect& srcRect);

// Works on a 32-bit copy of Glyph (any format); Dst must be pf32bit.
void PaintBitmapGlyph(TBitmap* glyph, TBitmap* dst, const TRect& r, std::uint8_t extra, bool down,
                      std::int32_t blend, std::int32_t state, std::uint8_t disabledKind, bool enabled,
                      std::int32_t numGlyphs);

}  // namespace skin::paint
