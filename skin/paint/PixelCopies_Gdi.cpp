#include "skin/paint/PixelCopies_Gdi.h"

#include <windows.h>

#include <algorithm>
#include <climits>
#include <memory>

#include "classlib/graphics/Bitmap.h"
#include "classlib/graphics/Canvas.h"
#include "classlib/graphics/Colors.h"
#include "skin/paint/AlphaCopies.h"
#include "skin/paint/BitmapGlyph.h"
#include "skin/paint/ChannelCopy.h"
#include "skin/paint/Blends.h"
#include "skin/paint/KeyedCopies.h"
#include "skin/paint/NinePieces.h"
#include "skin/paint/PixelView_Gdi.h"
#include "skin/paint/RotateBitmap.h"

namespace skin::paint {

namespace {

// The view of an optional bitmap of any readable depth: empty for null, so
// that the portable routine can tell "none" from "not 32-bit".
TPixelView OptionalView(TBitmap* bmp) { return ViewOf24or32(bmp); }

bool FitsInt(std::int64_t v) { return v >= INT_MIN && v <= INT_MAX; }

}  // namespace

TCacheView CacheViewOf(const TacCacheInfo& ci) {
  TCacheView view;
  view.X = ci.X;
  view.Y = ci.Y;
  view.FillColor = ci.FillColor;
  view.Ready = ci.Ready;
  if (ci.Bmp != nullptr && !ci.Bmp->Empty()) {
    if (ci.Bmp->PixelFormat() == classlib::pfDevice) ci.Bmp->SetHandleType(classlib::bmDIB);
    view.Bmp = ViewOf24or32(ci.Bmp);
  }
  return view;
}

TBitmap* NewBitmap32(std::int32_t width, std::int32_t height) {
  auto bmp = std::make_unique<TBitmap>();
  bmp->SetPixelFormat(classlib::pf32bit);
  bmp->SetSize(std::max(width, 0), std::max(height, 0));
  return bmp.release();
}

TBitmap* NewBitmapLike(TBitmap* bmp) {
  auto result = std::make_unique<TBitmap>();
  if (bmp != nullptr) {
    result->SetPixelFormat(bmp->PixelFormat());
    result->SetSize(bmp->Width(), bmp->Height());
  }
  return result.release();
}

void CopyBitmapChannel(TBitmap* bmp32, TBitmap* bmp8, std::int32_t channel, bool extract) {
  if (bmp8 == nullptr || bmp8->PixelFormat() != classlib::pf8bit || bmp8->Empty()) return;
  // Bottom-up like every DIB of the class library: see ViewOf.
  const TPixelView narrow = MakeView(bmp8->ScanLine(0), bmp8->Width(), bmp8->Height(),
                                     -static_cast<std::ptrdiff_t>(bmp8->RowBytes()), 1);
  CopyBitmapChannel(ViewOf(bmp32), narrow, channel, extract);
}

void FadeBmpToColor(TBitmap* bmp, TColor color, double ratio) {
  FadeBmpToColor(ViewOf(bmp), classlib::ColorToRGB(color), ratio);
}

void BlendColorByMask(TBitmap* bmp, TBitmap* mask, TColor color) {
  BlendColorByMask(ViewOf(bmp), ViewOf(mask), classlib::ColorToRGB(color));
}

void BlendEqualBitmaps(TBitmap* dst, TBitmap* src, std::uint8_t alpha) {
  BlendEqualBitmaps(ViewOf(dst), ViewOf(src), alpha);
}

void BlendRect256(TBitmap* dst, TBitmap* src, std::uint8_t alpha, const TPoint& dstPos, const TRect& srcRect) {
  BlendRect256(ViewOf(dst), ViewOf(src), alpha, dstPos, srcRect);
}

void BlendTransRect(TBitmap* dst, std::int32_t x, std::int32_t y, TColor transColor, double ratio,
                    const TRect& srcRect, TBitmap* src) {
  BlendTransRect(ViewOf(dst), x, y, transColor, ratio, srcRect, ViewOf(src));
}

void BlendBitmaps(TBitmap*& dst, TBitmap* src1, TBitmap* src2, std::uint16_t weight, TBitmap* mask) {
  if (src1 == nullptr || src2 == nullptr) return;
  if (dst == nullptr) dst = NewBitmap32(src1->Width(), src1->Height());
  BlendBitmaps(ViewOf(dst), ViewOf(src1), ViewOf(src2), weight, OptionalView(mask));
}

void AlphaBlendByMask(TBitmap* dst, TBitmap* src, TBitmap* mask, const TRect& r) {
  AlphaBlendByMask(ViewOf(dst), ViewOf(src), OptionalView(mask), r);
}

void CopyBmpWithKey(TBitmap* dst, TBitmap* src, std::int32_t x, TColor transColor, std::int32_t y) {
  if (src == nullptr) return;
  if (src->PixelFormat() != classlib::pf32bit) src->SetPixelFormat(classlib::pf24bit);
  CopyBmpWithKey(ViewOf(dst), ViewOf24or32(src), x, transColor, y);
}

void CopyTransRect(const TRect& dstRect, const TRect& srcRect, TBitmap* dst, bool useCache,
                   const TacCacheInfo& ci, TBitmap* src) {
  if (src == nullptr) return;
  CopyTransRect(dstRect, srcRect, ViewOf(dst), useCache, CacheViewOf(ci), ViewOf(src));
}

void CopyTransparentRect(TBitmap* dst, TBitmap* src, std::int32_t x, std::int32_t y, const TRect& srcRect,
                         TColor transColor, const TacCacheInfo& ci, bool updateCorners) {
  CopyTransparentRect(ViewOf(dst), ViewOf(src), x, y, srcRect, transColor, CacheViewOf(ci), updateCorners);
}

void CopyByMask(const TRect& dstRect, const TRect& srcRect, TBitmap* dst, TBitmap* src, const TacCacheInfo& ci,
                bool updateCorners, const TsMaskData& mask) {
  CopyByMask(dstRect, srcRect, ViewOf(dst), ViewOf(src), CacheViewOf(ci), updateCorners, mask);
}

void CopyAlphaBitmap(const TRect& dstRect, const TRect& srcRect, TBitmap* dst, TBitmap* src,
                     const TacCacheInfo& ci, bool useCache, TColor blendColor, std::int32_t transparency,
                     bool reflected) {
  if (src == nullptr) return;
  src->SetPixelFormat(classlib::pf32bit);
  CopyAlphaBitmap(dstRect, srcRect, ViewOf(dst), ViewOf(src), CacheViewOf(ci), useCache, blendColor, transparency,
                  reflected);
}

void CopyKeyedRect(TBitmap* dst, TBitmap* src, std::int32_t x, std::int32_t y, const TRect& srcRect,
                   TColor transColor, const TacCacheInfo& ci) {
  CopyKeyedRect(ViewOf(dst), ViewOf(src), x, y, srcRect, transColor, CacheViewOf(ci));
}

TBitmap* RotateBitmap90(TBitmap*& bmp, bool clockwise, bool freeSource) {
  TBitmap* result = nullptr;
  if (bmp != nullptr && bmp->PixelFormat() == classlib::pf32bit) {
    result = NewBitmap32(bmp->Height(), bmp->Width());
    RotateBitmap90(ViewOf(bmp), ViewOf(result), clockwise);
  }
  if (freeSource) {
    delete bmp;
    bmp = nullptr;
  }
  return result;
}

void PaintNinePieces(TBitmap* dst, TBitmap* src, const TRect& dstRect, bool fillCentre, std::uint8_t centreMode,
                     const std::array<std::int32_t, 4>& sideModes, const TRect& limits, const TRect& margins,
                     const TRect& srcRect) {
  if (dst == nullptr || src == nullptr || dst->Empty() || src->Empty()) return;
  const HDC dstDC = dst->Canvas()->Handle();
  const HDC srcDC = src->Canvas()->Handle();
  SetStretchBltMode(dstDC, COLORONCOLOR);
  LayoutNinePieces(dstRect, fillCentre, centreMode, sideModes, limits, margins, srcRect,
                   TRect{0, 0, dst->Width(), dst->Height()}, [&](const TNinePieceBlit& b) {
                     if (!FitsInt(b.DstX) || !FitsInt(b.DstY) || !FitsInt(b.DstW) || !FitsInt(b.DstH) ||
                         !FitsInt(b.SrcX) || !FitsInt(b.SrcY) || !FitsInt(b.SrcW) || !FitsInt(b.SrcH))
                       return;
                     const auto i = [](std::int64_t v) { return static_cast<int>(v); };
                     if (b.Stretch)
                       StretchBlt(dstDC, i(b.DstX), i(b.DstY), i(b.DstW), i(b.DstH), srcDC, i(b.SrcX), i(b.SrcY),
                                  i(b.SrcW), i(b.SrcH), SRCCOPY);
                     else
                       BitBlt(dstDC, i(b.DstX), i(b.DstY), i(b.DstW), i(b.DstH), srcDC, i(b.SrcX), i(b.SrcY),
                              SRCCOPY);
                   });
}

void PaintBitmapGlyph(TBitmap* glyph, TBitmap* dst, const TRect& r, std::uint8_t extra, bool down,
                      std::int32_t blend, std::int32_t state, std::uint8_t disabledKind, bool enabled,
                      std::int32_t numGlyphs) {
  if (glyph == nullptr || glyph->Empty()) return;
  TBitmap copy;
  copy.Assign(glyph);
  copy.SetPixelFormat(classlib::pf32bit);
  PaintBitmapGlyph(ViewOf(&copy), glyph->PixelFormat() == classlib::pf1bit, ViewOf(dst), r, extra, down, blend,
                   state, disabledKind, enabled, numGlyphs);
}

}  // namespace skin::paint
