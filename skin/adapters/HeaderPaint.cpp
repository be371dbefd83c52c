#include "skin/adapters/HeaderPaint.h"

#include <algorithm>

#include "classlib/graphics/Bitmap.h"
#include "skin/core/MaskValue.h"
#include "skin/manager/sSkinManager.h"
#include "skin/paint/MaskPaint_Gdi.h"
#include "skin/paint/SectionItem_Gdi.h"
#include "skin/paint/TextHelpers_Gdi.h"

namespace skin::adapters {

using namespace classlib;

namespace {

constexpr int kGlyphGap = 6;

}  // namespace

std::int32_t PaintHeaderItem(TBitmap* bmp, TsSkinManager* manager, const THeaderItemLook& look) {
  if (!bmp || !manager || !manager->Skin() || bmp->Width() <= 0 || bmp->Height() <= 0) return -1;
  const int index =
      paint::PaintSectionItemByName(bmp, L"COLHEADER", L"BUTTON", look.State, manager, TPoint{0, 0}, look.Background,
                                    nullptr);
  if (index < 0) return -1;
  TCanvas* canvas = bmp->Canvas();
  canvas->Font()->SetHandle(look.Font ? look.Font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
  canvas->Brush()->SetStyle(bsClear);
  const int shift = look.State == 2 ? 1 : 0;
  TRect r{4 + shift, 1 + shift, bmp->Width() - 4 + shift, bmp->Height() - 1 + shift};

  if (look.Images && look.Image >= 0) {
    int iw = 0, ih = 0;
    ImageList_GetIconSize(look.Images, &iw, &ih);
    ImageList_Draw(look.Images, look.Image, canvas->Handle(), r.Left, r.Top + (r.Height() - ih) / 2, ILD_TRANSPARENT);
    r.Left += iw + 2;
  }

  // The glyph, when there is one, takes its width and gap off the text.
  const TsMaskData* glyph = nullptr;
  if (look.Sort != hsNone) {
    const auto& buttons = manager->Skin()->ConstData.ScrollButtons;
    const int g = buttons[look.Sort == hsUp ? 0 : 1].Glyph;
    if (manager->IsValidImgIndex(g)) glyph = &manager->Skin()->Masks[static_cast<std::size_t>(g)];
  }
  const int gw = glyph ? MaskFrameWidth(*glyph) : 0, gh = glyph ? MaskFrameHeight(*glyph) : 0;
  TRect textR = r;
  if (glyph) textR.Right = std::max(textR.Left, textR.Right - gw - kGlyphGap);
  TRect measured = textR;
  paint::acDrawText(canvas->Handle(), look.Text, measured, DT_CALCRECT | DT_SINGLELINE);
  const int textWidth = std::min(measured.Width(), textR.Width());
  UINT align = DT_LEFT;
  if (look.Align == haRight) align = DT_RIGHT;
  else if (look.Align == haCenter) align = DT_CENTER;

  paint::TSkinTextParams text;
  text.Text = look.Text;
  text.R = textR;
  text.Flags = look.TextFlags | align;
  text.State = look.State > 0 ? 1 : 0;
  text.SkinIndex = index;
  text.SkinManager = manager;
  paint::PaintSkinText(canvas, text);

  if (glyph && gw > 0 && gh > 0) {
    int textLeft = textR.Left;
    if (look.Align == haRight) textLeft = textR.Right - textWidth;
    else if (look.Align == haCenter) textLeft = textR.Left + (textR.Width() - textWidth) / 2;
    const int x = std::min(textLeft + textWidth + kGlyphGap, bmp->Width() - gw);
    paint::PaintMaskGlyph(bmp, TPoint{x, (bmp->Height() - gh) / 2}, look.State, 1, *glyph,
                          MakeCacheInfo(bmp, 0, 0));
  }
  return index;
}

}  // namespace skin::adapters
