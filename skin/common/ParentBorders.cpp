#include "skin/common/ParentBorders.h"

#include <algorithm>

#include "classlib/controls/WinControl.h"
#include "classlib/graphics/Colors.h"
#include "skin/common/BackgroundQueries.h"
#include "skin/common/ParentBackground.h"
#include "skin/core/MaskValue.h"
#include "skin/manager/sSkinManager.h"
#include "skin/paint/DcHelpers_Gdi.h"
#include "skin/paint/MaskPaint_Gdi.h"
#include "skin/paint/MaskSource.h"
#include "skin/paint/PixelCopies_Gdi.h"
#include "skin/paint/PixelFills_Gdi.h"
#include "skin/paint/PixelOps.h"
#include "skin/paint/PixelRows.h"
#include "skin/paint/PixelView_Gdi.h"
#include "skin/paint/SectionBackground_Gdi.h"

namespace skin {

using namespace classlib;
using paint::TPixelView;

namespace {

const TsMaskData* BorderMask(TsCommonData& skinData) {
  TsSkinManager* manager = skinData.SkinManager();
  if (!manager || !manager->IsValidImgIndex(skinData.BorderIndex)) return nullptr;
  return &manager->Skin()->Masks[static_cast<std::size_t>(skinData.BorderIndex)];
}

// The parent's answer for the owner, its offsets already moved to the
// owner's place in an image answer; false when there is no one to ask.
bool AskOwnersParent(TControl* owner, TacBGInfo& bg) {
  if (owner->Parent()) {
    QueryControlBackground(bg, owner->Parent(), false);
  } else if (auto* windowed = dynamic_cast<TWinControl*>(owner); windowed && windowed->HandleAllocated()) {
    QueryParentBackground(bg, GetParent(windowed->Handle()), false);
  } else {
    return false;
  }
  if (bg.Kind == bgImage) bg.Offset = TPoint{bg.Offset.X + owner->Left(), bg.Offset.Y + owner->Top()};
  return true;
}

// One corner block: where the source is exactly the key colour, the cache
// pixel takes the parent's (colour bytes only for a masked source) or the
// answer's colour.
void FillCornerFromBg(const TPixelView& cache, const TPixelView& src, const TPoint& dst, const TPoint& from,
                      std::int32_t w, std::int32_t h, const TacBGInfo& bg, bool keepAlpha) {
  const TPixelView parent = bg.Kind == bgImage && bg.Bmp ? paint::ViewOf(bg.Bmp) : TPixelView{};
  const std::uint32_t colour = paint::SwapRedBlue(static_cast<std::uint32_t>(bg.Color) & 0xFFFFFF);
  for (std::int32_t y = 0; y < h; ++y)
    for (std::int32_t x = 0; x < w; ++x) {
      if (!src.Contains(from.X + x, from.Y + y) || !cache.Contains(dst.X + x, dst.Y + y)) continue;
      if ((src.Pixel32(from.X + x, from.Y + y) & 0xFFFFFF) != paint::KeyPixel) continue;
      std::uint32_t& d = cache.Pixel32(dst.X + x, dst.Y + y);
      if (parent.Is32()) {
        const std::int32_t px = bg.Offset.X + dst.X + x, py = bg.Offset.Y + dst.Y + y;
        if (!parent.Contains(px, py)) continue;
        const std::uint32_t p = parent.Pixel32(px, py);
        d = keepAlpha ? (d & 0xFF000000u) | (p & 0xFFFFFF) : p;
      } else if (bg.Kind != bgImage && bg.Color != kSkinKeyColor) {
        d = (d & 0xFF000000u) | colour;
      }
    }
}

}  // namespace

void CopyParentCorners(TsCommonData& skinData, std::int32_t state, std::uint8_t corners) {
  const TsMaskData* border = BorderMask(skinData);
  TControl* owner = skinData.OwnerControl();
  TBitmap* cache = skinData.CacheBmp();
  if (!border || !owner || !cache || border->CornerType == 0) return;
  TsMaskData mask = *border;
  TacBGInfo bg;
  if (!AskOwnersParent(owner, bg)) return;
  if (bg.Kind != bgImage) bg.Color = ColorToRGB(bg.Color);
  if (mask.ImageCount == 0 && mask.Bmp) {
    mask.ImageCount = 3;
    mask.MaskType = 1;
    mask.R = TRect{0, 0, mask.Bmp->Width(), mask.Bmp->Height()};
  }
  const TPixelView src = paint::MaskImageView(mask);
  const TPixelView view = paint::ViewOf(cache);
  if (!src.Is32() || !view.Is32() || mask.ImageCount < 1) return;
  const std::int32_t w = owner->Width(), h = owner->Height();
  const std::int32_t index = std::clamp(state, 0, mask.ImageCount - 1);
  const std::int32_t fw = MaskFrameWidth(mask), fh = MaskFrameHeight(mask);
  const std::int32_t fx = mask.R.Left + index * fw, fy = mask.R.Top;
  const bool masked = mask.MaskType != 0;
  const auto corner = [&](std::uint8_t bit, TPoint dst, TPoint from, std::int32_t cw, std::int32_t ch) {
    if (corners & bit) FillCornerFromBg(view, src, dst, from, cw, ch, bg, masked);
  };
  corner(cbTopLeft, {0, 0}, {fx, fy}, mask.WL, mask.WT);
  corner(cbBottomLeft, {0, h - mask.WB}, {fx, fy + fh - mask.WB}, mask.WL, mask.WB);
  corner(cbBottomRight, {w - mask.WR, h - mask.WB}, {fx + fw - mask.WR, fy + fh - mask.WB}, mask.WR, mask.WB);
  corner(cbTopRight, {w - mask.WR, 0}, {fx + fw - mask.WR, fy}, mask.WR, mask.WT);
}

void PaintBorderFromParent(HDC dc, const TRect& r, std::int32_t borderWidth, TsCommonData& skinData,
                           std::int32_t state, TRect& clientRect) {
  TControl* owner = skinData.OwnerControl();
  const TColor colour = GetBGColor(&skinData, state, nullptr);
  TacBGInfo bg;
  if (owner && owner->Parent()) QueryControlBackground(bg, owner->Parent(), false);
  const TsMaskData* border = BorderMask(skinData);
  if (!border) {
    if (borderWidth != 0)
      paint::FillFrameColor(dc, r, paint::TFrameWidths{borderWidth, borderWidth, borderWidth, borderWidth}, colour);
    return;
  }
  if (const TsGeneralData* section = skinData.Section())
    state = paint::ClampSectionState(*section, state);
  skinData.InitCacheBmp();
  TBitmap* cache = skinData.CacheBmp();
  if (!cache) return;
  const TsMaskData& mask = *border;
  const TPoint ownerPos = owner ? TPoint{owner->Left(), owner->Top()} : TPoint{0, 0};
  if (mask.MaskType == 1) {
    if (bg.Kind == bgImage && bg.Bmp)
      BitBlt(cache->Canvas()->Handle(), r.Left, r.Top, r.Width(), r.Height(), bg.Bmp->Canvas()->Handle(),
             ownerPos.X + bg.Offset.X + r.Left, ownerPos.Y + bg.Offset.Y + r.Top, SRCCOPY);
    else
      paint::FillFrame32(cache, r, mask.WL, mask.WT, mask.WR, mask.WB, colour);
  }
  TacCacheInfo ci;
  BgInfoToCacheInfo(bg, ci);
  ci.X += ownerPos.X;
  ci.Y += ownerPos.Y;
  paint::PaintMaskRect(cache, r, false, ci, mask, state, true, nullptr);
  clientRect = TRect{r.Left + mask.WL, r.Top + mask.WT, r.Right - mask.WR, r.Bottom - mask.WB};
  if (borderWidth == 0) return;
  const std::int32_t w = r.Width(), h = r.Height();
  paint::FillFrame32(cache, clientRect, std::max(std::min(borderWidth, w - mask.WR) - mask.WL, 0),
                     std::max(std::min(borderWidth, h - mask.WB) - mask.WT, 0),
                     std::max(std::min(borderWidth, w - mask.WL) - mask.WR, 0),
                     std::max(std::min(borderWidth, h - mask.WT) - mask.WB, 0), colour);
  clientRect = TRect{r.Left + borderWidth, r.Top + borderWidth, r.Right - borderWidth, r.Bottom - borderWidth};
  clientRect.Right = std::max(clientRect.Right, clientRect.Left);
  clientRect.Bottom = std::max(clientRect.Bottom, clientRect.Top);
  const HDC own = cache->Canvas()->Handle();
  if (dc != own) paint::CopyFrameBits(dc, r.Left, r.Top, w, h, own, r.Left, r.Top, borderWidth);
}

}  // namespace skin
