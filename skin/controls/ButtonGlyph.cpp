#include "skin/controls/ButtonGlyph.h"

#include <commctrl.h>

#include <algorithm>
#include <array>
#include <memory>

#include "classlib/graphics/Colors.h"
#include "skin/controls/sAlphaImageList.h"
#include "skin/controls/sBitBtn.h"
#include "skin/controls/sButton.h"
#include "skin/core/CacheInfo.h"
#include "skin/paint/BitmapGlyph.h"
#include "skin/paint/ColorAdjust.h"
#include "skin/paint/PixelCopies_Gdi.h"
#include "skin/paint/PixelFills_Gdi.h"
#include "skin/paint/PixelView_Gdi.h"

namespace skin {

using namespace classlib;

namespace {

constexpr TColor kKey = 0xFF00FF;

bool AnyOpaquePixel(TBitmap& bmp) {
  for (int y = 0; y < bmp.Height(); ++y) {
    const std::uint8_t* row = bmp.ScanLine(y);
    for (int x = 0; x < bmp.Width(); ++x)
      if (row[x * 4 + 3] == 255) return true;
  }
  return false;
}

// Runs Work on a 32-bit copy of the canvas's area under the control (or
// on the cache itself when Canvas is the cache's).
template <class F>
void OnPixels(TBitmap* cache, TCanvas* canvas, int width, int height, F&& work) {
  if (!canvas) {
    work(cache);
    return;
  }
  std::unique_ptr<TBitmap> area(paint::NewBitmap32(width, height));
  BitBlt(area->Canvas()->Handle(), 0, 0, width, height, canvas->Handle(), 0, 0, SRCCOPY);
  work(area.get());
  BitBlt(canvas->Handle(), 0, 0, width, height, area->Canvas()->Handle(), 0, 0, SRCCOPY);
}

void PaintOwnGlyph(const TButtonGlyphSource& s, TCanvas* canvas, TBitmap* cache, int width, int height,
                   TColor greyColor) {
  // A 32-bit glyph with no opaque pixel carries no alpha: it is drawn as an opaque one.
  TBitmap glyph;
  glyph.Assign(s.Glyph);
  if (glyph.PixelFormat() == pf32bit && !AnyOpaquePixel(glyph)) glyph.SetPixelFormat(pf24bit);
  const int numGlyphs = std::max(1, s.NumGlyphs);
  if (glyph.PixelFormat() != pf32bit) {
    OnPixels(cache, canvas, width, height, [&](TBitmap* dst) {
      paint::PaintBitmapGlyph(&glyph, dst, s.R, s.Reflected ? 1 : 0, s.Down, s.Blend, s.State, s.DisabledGlyphKind,
                              s.Enabled, numGlyphs);
    });
    return;
  }
  const int frameWidth = s.R.Width();
  const int frame = std::min(s.State, numGlyphs - 1);
  const TRect src{frame * frameWidth, 0, frame * frameWidth + frameWidth, glyph.Height()};
  int blend = s.State == 0 ? s.Blend : 0;
  if (canvas && !s.Enabled && (s.DisabledGlyphKind & paint::dgBlended)) blend = std::max(blend, 50);
  OnPixels(cache, canvas, width, height, [&](TBitmap* dst) {
    paint::CopyAlphaBitmap(s.R, src, dst, &glyph, EmptyCacheInfo, false, greyColor, blend, s.Reflected);
  });
}

void PaintListImage(const TButtonGlyphSource& s, TCanvas* canvas, TBitmap* cache, bool skinned, bool hot,
                    TColor greyColor) {
  const bool disabledBlend = !s.Enabled && (s.DisabledGlyphKind & paint::dgBlended);
  if (dynamic_cast<TsAlphaImageList*>(s.Images)) {
    const int transparency = std::max(disabledBlend ? 50 : 0, s.State == 0 ? s.Blend : 0);
    const int frame = s.State + (s.Down ? 1 : 0);
    if (skinned && !canvas)
      DrawImageToBitmap(s.Images, s.ImageIndex, cache, s.R.Left, s.R.Top, s.Reflected, s.NumGlyphs, frame, greyColor,
                        transparency);
    else
      DrawImageToDC(s.Images, s.ImageIndex, canvas ? canvas->Handle() : cache->Canvas()->Handle(), s.R.Left,
                    s.R.Top, s.Reflected, s.NumGlyphs, frame, greyColor, transparency);
    return;
  }
  // Any other list: its image over its background colour, that colour keyed.
  TColor fill = s.Images->BkColor();
  if (fill == clNone) fill = kKey;
  std::unique_ptr<TBitmap> image(paint::NewBitmap32(s.Images->Width(), s.Images->Height()));
  image->Canvas()->Brush()->SetColor(fill);
  image->Canvas()->FillRect(TRect{0, 0, image->Width(), image->Height()});
  ImageList_Draw(s.Images->Handle(), s.ImageIndex, image->Canvas()->Handle(), 0, 0, ILD_TRANSPARENT);
  const bool greyDisabled = !s.Enabled && (s.DisabledGlyphKind & paint::dgGrayed);
  const auto grey = [&] {
    const std::uint32_t topLeft = paint::GetBmpPixel32(image.get(), 0, 0);
    paint::GrayscaleBmpTrans(paint::ViewOf(image.get()),
                             static_cast<TColor>(((topLeft & 0xFF) << 16) | (topLeft & 0xFF00) | ((topLeft >> 16) & 0xFF)));
  };
  if (!skinned || canvas) {
    if (greyDisabled) grey();
    TCanvas* target = canvas ? canvas : cache->Canvas();
    image->SetTransparentColor(fill);
    image->SetTransparent(true);
    target->Draw(s.R.Left, s.R.Top, image.get());
    return;
  }
  const TRect whole{0, 0, image->Width(), image->Height()};
  if (!s.Enabled) {
    if (greyDisabled) grey();
    if (s.DisabledGlyphKind & paint::dgBlended) paint::BlendTransRect(cache, s.R.Left, s.R.Top, kKey, 0.5, whole, image.get());
    else paint::CopyBmpWithKey(cache, image.get(), s.R.Left, fill, s.R.Top);
    return;
  }
  if (s.Grayed && !hot) grey();
  if (!hot && s.Blend > 0) paint::BlendTransRect(cache, s.R.Left, s.R.Top, kKey, s.Blend / 100.0, whole, image.get());
  else paint::CopyBmpWithKey(cache, image.get(), s.R.Left, fill, s.R.Top);
}

}  // namespace

int ImageListCount(const TCustomImageList* list) { return list ? list->Count() : 0; }

void PaintGlyphFrom(const TButtonGlyphSource& s, TCanvas* canvas) {
  TsCommonData* skinData = s.SkinData;
  TControl* control = skinData ? skinData->OwnerControl() : nullptr;
  if (!skinData || !control) return;
  const bool skinned = skinData->Skinned(false);
  const bool greyWanted = (s.State == 0 && s.Grayed) || (!s.Enabled && (s.DisabledGlyphKind & paint::dgGrayed));
  TColor greyColor = clNone;
  if (greyWanted) {
    const TsGeneralData* section = skinData->Section();
    greyColor = skinned && section ? section->Props[0].Color : ColorToRGB(clBtnFace);
  }
  TBitmap* cache = skinData->CacheBmp();
  if (!canvas && !cache) return;
  if (s.Glyph && !s.Glyph->Empty()) {
    PaintOwnGlyph(s, canvas, cache, control->Width(), control->Height(), greyColor);
    return;
  }
  if (s.Images && s.ImageIndex >= 0 && s.ImageIndex < ImageListCount(s.Images))
    PaintListImage(s, canvas, cache, skinned, skinData->IsHot(), greyColor);
}

void PaintButtonGlyph(TControl* control, TCanvas* canvas) {
  TButtonGlyphSource s;
  if (auto* bitBtn = dynamic_cast<TsBitBtn*>(control)) {
    s.Images = bitBtn->Images();
    s.Glyph = bitBtn->Glyph();
    s.ImageIndex = bitBtn->ImageIndex();
    s.SkinData = bitBtn->SkinData();
    s.R = bitBtn->GlyphRect();
    s.NumGlyphs = std::max(1, bitBtn->NumGlyphs() % 128);
    s.Enabled = bitBtn->Enabled();
    s.Blend = bitBtn->Blend();
    s.Down = bitBtn->Down();
    s.Grayed = bitBtn->Grayed();
    s.State = bitBtn->CurrentState();
    s.DisabledGlyphKind = bitBtn->DisabledGlyphKind();
    s.Reflected = bitBtn->Reflected();
  } else if (auto* button = dynamic_cast<TsButton*>(control)) {
    s.Images = button->Images();
    s.ImageIndex = button->CurrentImageIndex();
    s.SkinData = button->SkinData();
    s.R = button->GlyphRect();
    s.Enabled = button->Enabled();
    s.State = button->CurrentState();
    s.Down = s.State == 2;
    s.Reflected = button->Reflected();
  } else {
    return;
  }
  PaintGlyphFrom(s, canvas);
}

void PaintToolButtonGlyph(TBitmap* bitmap, const TToolButtonGlyph& b, UINT itemState) {
  if (!bitmap || !b.Images) return;
  const int state = (itemState == 0 || itemState == CDIS_DISABLED) ? 0
                    : (itemState & (CDIS_SELECTED | CDIS_CHECKED)) ? 2
                                                                    : 1;
  const int w = b.Images->Width(), h = b.Images->Height();
  TRect r;
  if (b.ListStyle) {
    r.Left = 5;
    r.Top = (b.ButtonHeight - h) / 2;
  } else {
    r.Left = (b.ButtonWidth - w) / 2 + 1 - (b.DropDown ? 8 : 0);
    const int textHeight = b.ShowCaptions ? bitmap->Canvas()->TextHeight(L"A") + 3 : 0;
    r.Top = (b.ButtonHeight - h - textHeight) / 2;
  }
  r.Right = r.Left + w;
  r.Bottom = r.Top + h;
  if (state == 2) {
    r.Left += 1;
    r.Top += 1;
  }
  TCustomImageList* list = b.Images;
  if (state != 0 && b.HotImages && b.HotImages->Count() > b.ImageIndex) list = b.HotImages;
  if (b.ImageIndex < 0 || b.ImageIndex >= list->Count()) return;
  if (dynamic_cast<TsAlphaImageList*>(list)) {
    const int frame = (itemState & CDIS_HOT) ? 1 : (itemState & CDIS_CHECKED) ? 2 : 0;
    DrawImageToBitmap(list, b.ImageIndex, bitmap, r.Left, r.Top, false, 1, frame, clNone, 0);
    return;
  }
  TColor fill = list->BkColor();
  if (fill == clNone) fill = kKey;
  std::unique_ptr<TBitmap> image(paint::NewBitmap32(w, h));
  image->Canvas()->Brush()->SetColor(fill);
  image->Canvas()->FillRect(TRect{0, 0, w, h});
  ImageList_Draw(list->Handle(), b.ImageIndex, image->Canvas()->Handle(), 0, 0, ILD_TRANSPARENT);
  paint::CopyBmpWithKey(bitmap, image.get(), r.Left, fill, r.Top);
}

bool IsExcludedFormClass(const std::wstring& className) {
  // Sorted: looked up by binary search.
  static const std::array<std::wstring, 2> excluded = {L"TApplication", L"TfcPopup"};
  return std::binary_search(excluded.begin(), excluded.end(), className);
}

}  // namespace skin
