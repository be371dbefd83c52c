#include "skin/common/SkinDataText.h"

#include "classlib/controls/WinControl.h"
#include "classlib/graphics/Colors.h"
#include "skin/common/BackgroundQueries.h"
#include "skin/core/ControlClassCodes.h"
#include "skin/manager/sSkinManager.h"
#include "skin/paint/ColorAdjust.h"
#include "skin/paint/SectionLookup.h"
#include "skin/paint/TextGlow_Gdi.h"
#include "skin/paint/TextHelpers_Gdi.h"

namespace skin {

using namespace classlib;

namespace {

struct TTextDraw {
  TCanvas* Canvas;
  const std::wstring& Text;
  TRect R;
  std::uint32_t Flags;

  void In(TColor color, std::int32_t dx = 0, std::int32_t dy = 0, std::uint32_t extraFlags = 0) const {
    // The DC's colour, not the font's: a font change would swap the font
    // handle under the saved DC state.
    const HDC dc = Canvas->Handle();
    SetTextColor(dc, static_cast<COLORREF>(ColorToRGB(color)));
    TRect moved{R.Left + dx, R.Top + dy, R.Right + dx, R.Bottom + dy};
    paint::acDrawText(dc, Text, moved, Flags | extraFlags);
  }
};

// Controls drawn straight onto their parent: their text takes the parent's
// colours where their own face lets the parent through.
bool DrawsOnParent(const TsCommonData& skinData) {
  TControl* owner = skinData.OwnerControl();
  if (!owner || !owner->Parent()) return false;
  return dynamic_cast<TWinControl*>(owner) == nullptr || skinData.COC == 32 || skinData.COC == 33 ||
         skinData.COC == 74;
}

TColor Shifted(const TsCommonData& skinData, TColor color) {
  return paint::ChangeSaturation(paint::ChangeHue(skinData.HUEOffset(), color), skinData.Saturation());
}

void PaintSkinned(const TTextDraw& draw, bool enabled, bool hot, TsCommonData& skinData, TsSkinManager* manager) {
  const int state = hot ? 1 : 0;
  int index = skinData.SkinIndex;
  if (const TsGeneralData* own = paint::SectionOf(manager, index);
      own && DrawsOnParent(skinData) && own->Props[state].Transparency >= 1)
    index = SkinIndexOf(skinData.OwnerControl()->Parent());
  const TsGeneralData* section = paint::SectionOf(manager, index);
  if (!section) {
    draw.In(draw.Canvas->Font()->Color());
    return;
  }
  const TsGenState& props = section->Props[state];
  if (TBitmap* cache = skinData.CacheBmp(); cache && props.GlowSize != 0) {
    paint::TGlowMask mask;
    paint::PaintTextGlow(cache, mask,
                         paint::TTextGlowParams{draw.Text, draw.R, draw.Flags, Shifted(skinData, props.GlowColor),
                                                props.GlowSize, 15});
  }
  if (!enabled) {
    draw.In(Shifted(skinData, paint::MixColors(section->Props[0].FontColor, manager->GetGlobalColor(), 0.4)));
    return;
  }
  for (const paint::TContourSide& side : paint::kContourSides)
    if (props.TextColors[side.Index] != -1)
      draw.In(ColorToRGB(Shifted(skinData, props.TextColors[side.Index])), side.Dx, side.Dy);
  draw.In(Shifted(skinData, props.FontColor), 0, 0, DT_NOCLIP);
}

}  // namespace

void PaintSkinDataText(TCanvas* canvas, const std::wstring& text, bool enabled, bool hot, TsCommonData& skinData,
                       std::uint32_t flags, const TRect& r) {
  if (!canvas || text.empty()) return;
  TsSkinManager* manager = skinData.SkinManager();
  const TsSkinModel* skin = manager ? manager->Skin() : nullptr;
  if (hot && skin && skin->ConstData.WebButton >= 0 && skinData.SkinIndex == skin->ConstData.WebButton)
    canvas->Font()->SetStyle(canvas->Font()->Style() + TFontStyles{fsUnderline});
  const TColor ownColor = canvas->Font()->Color();
  const HDC dc = canvas->Handle();
  const int saved = SaveDC(dc);
  IntersectClipRect(dc, r.Left, r.Top, r.Right, r.Bottom);
  SetBkMode(dc, TRANSPARENT);
  const TTextDraw draw{canvas, text, r, flags};
  if (skinData.Skinned() && !skinData.CustomFont()) {
    PaintSkinned(draw, enabled, hot, skinData, manager);
  } else if (enabled) {
    draw.In(ownColor);
  } else {
    draw.In(clBtnHighlight, 1, 1);
    draw.In(clBtnShadow);
  }
  RestoreDC(dc, saved);
}

}  // namespace skin
