#include "skin/controls/sPanel.h"

#include "skin/common/BackgroundQueries.h"
#include "skin/common/ControlUtils.h"
#include "skin/common/SectionItemPaint.h"
#include "skin/common/SkinCommandSend.h"
#include "skin/common/SkinDataText.h"
#include "skin/paint/DcHelpers_Gdi.h"
#include "skin/paint/TextHelpers_Gdi.h"

namespace skin {

using namespace classlib;

namespace {

// The section that belongs to each outer bevel.
const wchar_t* SectionOfBevel(TBevelCut bevel) {
  switch (bevel) {
    case bvNone: return L"CHECKBOX";
    case bvLowered: return L"PANEL_LOW";
    case bvRaised: return L"PANEL";
    default: return nullptr;
  }
}

}  // namespace

TsPanel::TsPanel(TComponent* owner) : TsSkinnedControl(owner), lastBevel_(BevelOuter()) {}

bool TsPanel::CacheStale() const {
  const TBitmap* cache = SkinData()->CacheBmp();
  return !cache || cache->Width() != Width() || cache->Height() != Height();
}

bool TsPanel::SkinnedAndReady() const { return ControlIsReady(this) && SkinData()->Skinned(); }

TRect TsPanel::InnerRect() const {
  TRect r = ClientRect();
  int inset = BorderWidth();
  if (BevelOuter() != bvNone) inset += BevelWidth();
  if (BevelInner() != bvNone) inset += BevelWidth();
  return TRect{r.Left + inset, r.Top + inset, r.Right - inset, r.Bottom - inset};
}

void TsPanel::Paint() {
  TPanel::Paint();
  if (OnPaint) OnPaint(this, Canvas());
}

void TsPanel::PaintWindow(HDC dc) {
  if (!SkinnedAndReady()) {
    TPanel::PaintWindow(dc);
    return;
  }
  PaintWindowSkinned(dc, true);
}

void TsPanel::PrepareCache() {
  TsCtrlSkinData* skinData = SkinData();
  skinData->InitCacheBmp();
  TBitmap* cache = skinData->CacheBmp();
  if (!cache || cache->Empty()) return;
  PaintSectionItemOnParent(*skinData, Parent(), true, 0, TRect{0, 0, Width(), Height()}, TPoint{Left(), Top()}, cache,
                           true);
  if (skinData->CustomColor()) {
    // The panel's own colour inside the skin's border.
    const int border = skinData->GetMaxBorderWidth();
    paint::FillRectColor(cache->Canvas()->Handle(), TRect{border, border, Width() - border, Height() - border},
                         ColorToRGB(Color()));
  }
  TRect inner = InnerRect();
  WriteText(inner, cache->Canvas());
  if (OnPaint) OnPaint(this, cache->Canvas());
  skinData->BGChanged = false;
  skinData->CachePartial = false;
}

void TsPanel::WriteText(TRect& rect, TCanvas* canvas) {
  const std::wstring caption = Caption();
  if (!canvas || caption.empty()) return;
  canvas->SetFont(Font());
  std::uint32_t flags = DT_WORDBREAK | DrawTextBiDiModeFlagsReadingOnly();
  flags |= Alignment() == taLeftJustify ? DT_LEFT : Alignment() == taRightJustify ? DT_RIGHT : DT_CENTER;
  TRect measured = rect;
  paint::acDrawText(canvas->Handle(), caption, measured, flags | DT_CALCRECT);
  TRect r = rect;
  r.Top = (rect.Height() - measured.Height()) / 2 + BorderWidth();
  r.Bottom = r.Top + measured.Height();
  PaintSkinDataText(canvas, caption, Enabled(), false, *SkinData(), flags, r);
}

void TsPanel::PaintWindowSkinned(HDC dc, bool sendUpdated) {
  TsCtrlSkinData* skinData = SkinData();
  if (!SkinnedAndReady()) return;
  if (skinData->BGChanged || CacheStale()) PrepareCache();
  if (TBitmap* cache = skinData->CacheBmp(); cache && !cache->Empty()) {
    // Child windows are clipped out by the system; see-through graphic
    // children paint over this picture afterwards.
    BitBlt(dc, 0, 0, Width(), Height(), cache->Canvas()->Handle(), 0, 0, SRCCOPY);
  }
  if (sendUpdated) SendEndUpdateToChildren();
}

void TsPanel::SendEndUpdateToChildren() {
  for (int i = 0; i < ControlCount(); ++i) {
    TControl* child = Controls(i);
    if (!child->ComponentState().Contains(csDestroying)) SendSkinCommand(child, scEndUpdate, 0);
  }
}

void TsPanel::FollowBevel() {
  if (BevelOuter() == lastBevel_) return;
  const wchar_t* oldSection = SectionOfBevel(lastBevel_);
  const wchar_t* newSection = SectionOfBevel(BevelOuter());
  lastBevel_ = BevelOuter();
  // A section the form chose on purpose stays.
  if (oldSection && newSection && SkinData()->SkinSection() == oldSection) SkinData()->SetSkinSection(newSection);
}

bool TsPanel::AnswerBGInfo(TMessage& m) {
  if (!SkinData()->Skinned() || !IsTrustedSkinCommand(m)) return false;
  auto* info = reinterpret_cast<TacBGInfo*>(m.LParam);
  const bool pleaseDraw = info->PleaseDraw;
  if (SkinData()->BGChanged && !pleaseDraw && HandleAllocated()) PrepareCache();
  FillBGInfo(SkinData(), *info, 0, HandleAllocated() ? Handle() : nullptr);
  if (HandleAllocated() && ClientWidth() != Width() && info->Kind == bgImage && !pleaseDraw) {
    const int bevels = (BevelOuter() != bvNone ? 1 : 0) + (BevelInner() != bvNone ? 1 : 0);
    const int shift = bevels * BevelWidth() + BorderWidth();
    info->Offset = TPoint{info->Offset.X + shift, info->Offset.Y + shift};
  }
  m.Result = 0;
  return true;
}

void TsPanel::WndProc(TMessage& m) {
  TsCtrlSkinData* skinData = SkinData();
  if (m.Msg == SkinCommandMessage) {
    const std::uint16_t code = SkinCommandCode(m.WParam);
    const bool own = m.LParam == reinterpret_cast<LPARAM>(skinData->SkinManager());
    switch (code) {
      case scNewSkin:
      case scRemoveSkin:
      case scRefresh:
        ControlStyle().Exclude(csOpaque);
        if (own) {
          CommonWndProc(m, skinData);
          if (code == scNewSkin) FollowBevel();
          if (HandleAllocated() && !IsLoading(this) && Visible()) {
            skinData->BGChanged = true;
            RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_FRAME);
          }
        }
        for (int i = 0; i < ControlCount(); ++i) PerformSkinMessage(Controls(i), m);
        return;
      case scIsSkinned:
        m.Result = 1;
        return;
      case scGetBGInfo:
        if (AnswerBGInfo(m)) return;
        break;
      case scIsLocked:
        if (!skinData->Skinned()) break;
        // Children wait while the picture they are cut from is stale.
        m.Result = skinData->OwnUpdating() || (!skinData->CustomColor() && (skinData->BGChanged || CacheStale())) ? 1 : 0;
        return;
      default:
        break;
    }
  }
  if (!SkinnedAndReady()) {
    if (m.Msg == WM_ERASEBKGND && OnPaint && skinData->Skinned()) return;
    if (CommonWndProc(m, skinData)) return;
    TPanel::WndProc(m);
    return;
  }
  switch (m.Msg) {
    case WM_PRINT:
      skinData->SetUpdating(false);
      PrepareCache();
      PaintWindowSkinned(reinterpret_cast<HDC>(m.WParam), false);
      return;
    case WM_ERASEBKGND:
      // The whole panel is painted at WM_PAINT from the cache.
      m.Result = 1;
      return;
    case WM_SIZE:
      skinData->BGChanged = true;
      break;
    case WM_WINDOWPOSCHANGING:
      if (const TsGeneralData* section = skinData->Section(); section && section->Props[0].Transparency != 0)
        skinData->BGChanged = true;
      break;
    case CM_TEXTCHANGED:
      if (Parent()) skinData->Invalidate(false);
      break;
    case CM_VISIBLECHANGED:
      skinData->BGChanged = true;
      skinData->SetUpdating(false);
      break;
    case CM_COLORCHANGED:
      if (skinData->CustomColor()) skinData->BGChanged = true;
      break;
    case CM_SHOWINGCHANGED:
      if (Visible()) skinData->SetUpdating(false);
      break;
    case CM_INVALIDATE:
      FollowBevel();
      skinData->BGChanged = true;
      break;
    default:
      break;
  }
  if (CommonWndProc(m, skinData)) return;
  TPanel::WndProc(m);
  if (m.Msg == CM_ENABLEDCHANGED) skinData->Invalidate(false);
  if (m.Msg == SkinCommandMessage && SkinCommandCode(m.WParam) == scEndUpdate && skinData->OwnUpdating()) {
    skinData->SetUpdating(false);
    Invalidate();
  }
}

}  // namespace skin
