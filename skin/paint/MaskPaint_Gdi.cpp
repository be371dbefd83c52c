#include "skin/paint/MaskPaint_Gdi.h"

#include "skin/manager/sSkinManager.h"
#include "skin/paint/Gradient.h"
#include "skin/paint/Gradient_Gdi.h"
#include "skin/paint/MaskCopy32.h"
#include "skin/paint/MaskGlyph.h"
#include "skin/paint/MaskRect.h"
#include "skin/paint/MaskStretch.h"
#include "skin/paint/PixelCopies_Gdi.h"
#include "skin/paint/PixelView_Gdi.h"
#include "skin/paint/SectionPaint32.h"

namespace skin::paint {

namespace {

const TsSkinModel* SkinOf(TsSkinManager* manager) {
  if (manager == nullptr) manager = TsSkinManager::DefaultManager();
  return manager != nullptr ? manager->Skin() : nullptr;
}

// The skin's fills, with the triangle gradient (drawn by the system) when it
// goes straight into Bmp; into a scratch layer it paints nothing.
TSectionFills FillsFor(classlib::TBitmap* bmp) {
  TSectionFills fills = StandardSectionFills();
  fills.PaintGradient = [bmp](const TPixelView& view, const TRect& r, const TsGradientArray& steps) {
    if (GradientMode(steps) == gmTriangles && view.Bits == ViewOf(bmp).Bits)
      PaintGradient(bmp, r, steps);
    else
      PaintGradient(view, r, steps);
  };
  return fills;
}

}  // namespace

void PaintMaskRect(classlib::TBitmap* bmp, const TRect& r, bool /*filling*/, const TacCacheInfo& ci,
                   const TsMaskData& mask, std::int32_t state, bool updateCorners, TsSkinManager* /*skinManager*/) {
  PaintMaskRect(ViewOf(bmp), r, CacheViewOf(ci), mask, state, updateCorners);
}

void StretchByMask(std::int32_t dstX, std::int32_t dstY, std::int32_t dstW, std::int32_t dstH, std::int32_t srcX,
                   std::int32_t srcY, std::int32_t srcW, std::int32_t srcH, classlib::TBitmap* dst,
                   classlib::TBitmap* src, std::int32_t maskOffset, bool centre) {
  StretchByMask(dstX, dstY, dstW, dstH, srcX, srcY, srcW, srcH, ViewOf(dst), ViewOf(src), maskOffset, centre);
}

void PaintMaskGlyph(classlib::TBitmap* bmp, const TPoint& pos, std::int32_t state, std::int32_t mode,
                    const TsMaskData& mask, const TacCacheInfo& ci) {
  PaintMaskGlyph(ViewOf(bmp), pos, state, mode, mask, CacheViewOf(ci));
}

void CopyGlyphByMask(const TRect& dstRect, const TRect& srcRect, classlib::TBitmap* dst, classlib::TBitmap* src,
                     TColor transColor, std::int32_t mode, const TsMaskData& mask) {
  CopyGlyphByMask(dstRect, srcRect, ViewOf(dst), ViewOf(src), transColor, mode, mask);
}

void PaintSectionItem32(std::int32_t sectionIndex, bool /*filling*/, std::int32_t state, const TRect& r,
                        const TPoint& /*offset*/, classlib::TBitmap* bmp, TsSkinManager* skinManager) {
  PaintSectionItem32(sectionIndex, state, r, ViewOf(bmp), SkinOf(skinManager), FillsFor(bmp));
}

void PaintSectionBackground32(std::int32_t sectionIndex, std::int32_t state, const TRect& r, const TPoint& /*offset*/,
                              classlib::TBitmap* bmp, TsSkinManager* skinManager, std::int32_t /*reserved1*/,
                              std::int32_t /*reserved2*/, TColor customColor) {
  PaintSectionBackground32(sectionIndex, state, r, ViewOf(bmp), SkinOf(skinManager), customColor, FillsFor(bmp));
}

void PaintMaskRect32(classlib::TBitmap* bmp, const TRect& r, bool /*filling*/, const TacCacheInfo& ci,
                     const TsMaskData& mask, std::int32_t state, TsSkinManager* /*skinManager*/) {
  PaintMaskRect32(ViewOf(bmp), r, CacheViewOf(ci), mask, state);
}

void CopyByMask32(const TRect& dstRect, const TRect& srcRect, classlib::TBitmap* dst, classlib::TBitmap* src,
                  const TacCacheInfo& ci, const TsMaskData& mask) {
  CopyByMask32(dstRect, srcRect, ViewOf(dst), ViewOf(src), CacheViewOf(ci), mask);
}

void StretchByMask32(std::int32_t dstX, std::int32_t dstY, std::int32_t dstW, std::int32_t dstH, std::int32_t srcX,
                     std::int32_t srcY, std::int32_t srcW, std::int32_t srcH, classlib::TBitmap* dst,
                     classlib::TBitmap* src, std::int32_t maskOffset, bool centre) {
  StretchByMask32(dstX, dstY, dstW, dstH, srcX, srcY, srcW, srcH, ViewOf(dst), ViewOf(src), maskOffset, centre);
}

}  // namespace skin::paint
