#include "skin/adapters/SpeedButtonHandler.h"

#include <algorithm>

#include "classlib/controls/Application.h"
#include "classlib/graphics/Bitmap.h"
#include "skin/adapters/AdapterSupport.h"
#include "skin/common/ControlUtils.h"
#include "skin/common/ParentBackground.h"
#include "skin/common/ParentBorders.h"
#include "skin/common/SectionItemPaint.h"
#include "skin/common/SkinDataText.h"
#include "skin/core/PropertyUtils.h"
#include "skin/core/SkinCommand.h"
#include "skin/paint/BitmapGlyph.h"
#include "skin/paint/ButtonLayout.h"
#include "skin/paint/DisabledKind_Gdi.h"

namespace skin::adapters {

using namespace classlib;

namespace {

constexpr UINT CM_MOUSEENTER_ = 0xB013;
constexpr UINT CM_MOUSELEAVE_ = 0xB014;
constexpr int kStateDown = 2, kStateExclusive = 3;

}  // namespace

// Lives as long as the control's WindowProc holds the handler's procedure:
// when the control goes first (or the procedure was given back), the
// handler forgets the control and never touches it again.
struct TacSpeedButtonHandler::TControlMark {
  TacSpeedButtonHandler* Handler = nullptr;
  ~TControlMark() {
    if (Handler) Handler->Control = nullptr;
  }
};

namespace {

struct TSpeedButtonProc {
  std::shared_ptr<void> Mark;  // keeps the control mark alive with the procedure
  TacSpeedButtonHandler* Handler;
  void operator()(TMessage& m) const {
    // The handler may give the control its procedure back (and so free this
    // object) while it runs: nothing of this object is used after the call.
    const std::shared_ptr<void> keep = Mark;
    Handler->WndProc(m);
  }
};

}  // namespace

TacSpeedButtonHandler::~TacSpeedButtonHandler() {
  GiveBackWindowProc();
  if (auto mark = mark_.lock()) mark->Handler = nullptr;
}

void TacSpeedButtonHandler::Create(TGraphicControl* control, bool /*repaint*/, const std::wstring& skinSection,
                                   TsSkinManager* skinManager, TsCommonData* skinData) {
  Control = control;
  SkinData = skinData;
  SkinManager = skinManager ? skinManager : (skinData ? skinData->SkinManager() : nullptr);
  if (SkinData && SkinData->SkinSection().empty()) SkinData->SetSkinSection(skinSection);
  if (!Control) return;
  OldWindowProc = Control->WindowProc();
  auto mark = std::make_shared<TControlMark>();
  mark->Handler = this;
  mark_ = mark;
  Control->SetWindowProc(TSpeedButtonProc{mark, this});
}

bool TacSpeedButtonHandler::Installed() const {
  if (!Control) return false;
  const auto* proc = Control->WindowProc().target<TSpeedButtonProc>();
  return proc && proc->Handler == this;
}

void TacSpeedButtonHandler::GiveBackWindowProc() {
  // Only our own procedure is replaced: one put there by another party since
  // stays, and a second give-back changes nothing.
  if (Installed()) {
    TWndMethod old = OldWindowProc;
    Control->SetWindowProc(std::move(old));
  }
}

void TacSpeedButtonHandler::CallOld(TMessage& message) {
  if (!OldWindowProc) {
    message.Result = 0;
    return;
  }
  TMessage m{message.Msg, message.WParam, message.LParam, 0};
  OldWindowProc(m);
  message.Result = m.Result;
}

int TacSpeedButtonHandler::CtlState() const {
  if (!Control) return 0;
  const int state = GetIntProperty(Control, L"State");
  if (state == kStateDown || state == kStateExclusive || GetIntProperty(Control, L"Down") == 1) return 2;
  return SkinData && SkinData->IsHot() ? 1 : 0;
}

SIZE TacSpeedButtonHandler::TextSize() {
  const std::wstring caption = Control->Caption();
  if (caption.empty()) return SIZE{0, 0};
  RECT r{0, 0, 255, 0};
  DrawTextW(SkinData->CacheBmp()->Canvas()->Handle(), caption.c_str(), static_cast<int>(caption.size()), &r,
            DT_CALCRECT | DT_EXPANDTABS | DT_WORDBREAK);
  return SIZE{r.right - r.left, r.bottom - r.top};
}

TRect TacSpeedButtonHandler::CaptionRect() {
  const SIZE text = TextSize();
  const auto* glyph = dynamic_cast<const TBitmap*>(GetObjProperty(Control, L"Glyph"));
  const int frames = std::max(1, GetIntProperty(Control, L"NumGlyphs"));
  const bool hasGlyph = glyph && !glyph->Empty();
  const int gw = hasGlyph ? glyph->Width() / frames : 0, gh = hasGlyph ? glyph->Height() : 0;
  const int margin = HasProperty(Control, L"Margin") ? GetIntProperty(Control, L"Margin") : -1;
  const int pressed = CtlState() == 2 ? 1 : 0;
  const int w = Control->Width(), h = Control->Height();
  if (!hasGlyph && margin == -1) {
    const int x = (w - static_cast<int>(text.cx)) / 2 + pressed, y = (h - static_cast<int>(text.cy)) / 2 + pressed;
    return TRect{x, y, x + static_cast<int>(text.cx), y + static_cast<int>(text.cy)};
  }
  // Beside, above or below the glyph frame by Layout, Margin and Spacing.
  paint::TButtonLayoutParams p;
  p.Client = TRect{0, 0, w, h};
  p.GlyphSize = TPoint{gw, gh};
  p.TextSize = TPoint{static_cast<int>(text.cx), static_cast<int>(text.cy)};
  if (HasProperty(Control, L"Layout")) p.Layout = static_cast<TButtonLayout>(GetIntProperty(Control, L"Layout"));
  p.Margin = margin;
  if (HasProperty(Control, L"Spacing")) p.Spacing = GetIntProperty(Control, L"Spacing");
  TRect r = paint::CalcButtonLayout(p).TextBounds;
  r.Left += pressed;
  r.Right += pressed;
  r.Top += pressed;
  r.Bottom += pressed;
  return r;
}

void TacSpeedButtonHandler::PrepareCache() {
  if (!Control || !SkinData) return;
  SkinData->InitCacheBmp();
  TBitmap* cache = SkinData->CacheBmp();
  if (!cache) return;
  cache->SetSize(Control->Width(), Control->Height());
  cache->Canvas()->SetFont(Control->Font());
  TacBGInfo bg;
  QueryControlBackground(bg, Control->Parent(), false);
  if (bg.Kind == bgImage && (!bg.Bmp || bg.Bmp->Width() == 0)) return;
  TacCacheInfo ci;
  BgInfoToCacheInfo(bg, ci);
  const int state = CtlState();
  const TPoint offset{Control->Left(), Control->Top()};
  PaintSectionItem(*SkinData, ci, true, state, TRect{0, 0, Control->Width(), Control->Height()}, offset, cache, true);
  CopyParentCorners(*SkinData, state, 0x0F);
  const std::wstring caption = Control->Caption();
  if (!caption.empty()) {
    TCanvas* canvas = cache->Canvas();
    canvas->SetFont(Control->Font());
    canvas->Brush()->SetStyle(bsClear);
    const UINT flags = (GetStringFlags(Control, taLeftJustify) | DT_EXPANDTABS | DT_WORDBREAK) & ~static_cast<UINT>(DT_SINGLELINE);
    PaintSkinDataText(canvas, caption, true, state != 0, *SkinData, flags, CaptionRect());
  }
  if (!Control->Enabled()) {
    const TColor parentColour = GetControlColor(Control->Parent());
    paint::ApplyDisabledKind(cache, paint::dgBlended, parentColour, ci, offset);
  }
  SkinData->BGChanged = false;
}

void TacSpeedButtonHandler::Paint(HDC dc) {
  if (!dc) return;
  const int saved = SaveDC(dc);
  PrepareCache();
  if (TBitmap* cache = SkinData->CacheBmp(); cache && !cache->Empty()) {
    CopyParentCorners(*SkinData, CtlState(), 0x0F);
    BitBlt(dc, 0, 0, Control->Width(), Control->Height(), cache->Canvas()->Handle(), 0, 0, SRCCOPY);
  }
  RestoreDC(dc, saved);
}

void TacSpeedButtonHandler::Repaint() {
  if (Control) Control->Repaint();
}

void TacSpeedButtonHandler::WndProc(TMessage& message) {
  if (!Control || !SkinData) {
    CallOld(message);
    return;
  }
  if (message.Msg == SkinCommandMessage) {
    const bool own = message.LParam == reinterpret_cast<LPARAM>(SkinManager);
    switch (SkinCommandCode(message.WParam)) {
      case scNewSkin:
        if (!own) break;
        CommonMessage(message, SkinData);
        return;
      case scRemoveSkin:
        if (!own || Destroying(Control)) break;
        CommonMessage(message, SkinData);
        if (Control->Visible()) Repaint();
        GiveBackWindowProc();
        Detached = true;
        return;
      case scRefresh:
        if (!own) break;
        CommonMessage(message, SkinData);
        if (Control->Visible()) Repaint();
        return;
      case scEndUpdate:
        if (!SkinData->OwnUpdating()) break;
        SkinData->SetUpdating(false);
        Repaint();
        return;
      case scIsSkinned:
        message.Result = 1;
        return;
      case scLockRedraw:
        SkinData->SetUpdating(false);
        SkinData->BGChanged = true;
        Repaint();
        break;
      case scGetApplication:
        message.Result = ApplicationAnswer();
        return;
      default:
        break;
    }
    CallOld(message);
    return;
  }
  switch (message.Msg) {
    case WM_PAINT:
      Paint(reinterpret_cast<HDC>(message.WParam));
      message.Result = 0;
      return;
    case CM_MOUSEENTER_:
    case CM_MOUSELEAVE_:
      SkinData->FMouseAbove = message.Msg == CM_MOUSEENTER_;
      SkinData->BGChanged = true;
      CallOld(message);
      Repaint();
      return;
    default:
      break;
  }
  CallOld(message);
}

}  // namespace skin::adapters
