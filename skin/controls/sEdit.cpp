#include "skin/controls/sEdit.h"

#include <algorithm>
#include <string>

#include "skin/common/BackgroundQueries.h"
#include "skin/common/ControlUtils.h"
#include "skin/common/ParentBackground.h"
#include "skin/common/ParentBorders.h"
#include "skin/common/SectionItemPaint.h"
#include "skin/common/SkinCommandSend.h"
#include "skin/common/SkinDataText.h"
#include "skin/paint/BitmapGlyph.h"
#include "skin/paint/DcHelpers_Gdi.h"
#include "skin/paint/DisabledKind_Gdi.h"

namespace skin {

using namespace classlib;

namespace {

TacCacheInfo ParentCacheInfo(TControl* control) {
  TacBGInfo bg;
  if (control->Parent()) QueryControlBackground(bg, control->Parent(), false);
  TacCacheInfo ci;
  BgInfoToCacheInfo(bg, ci);
  return ci;
}

}  // namespace

TsEdit::TsEdit(TComponent* owner)
    : TsSkinnedControl(owner),
      disabledKind_(paint::dgBlended),
      boundLabel_(std::make_unique<TsBoundLabel>(SkinData())) {}

// The bound label frees its label before the edit's components go.
TsEdit::~TsEdit() = default;

void TsEdit::SetDisabledKind(TsDisabledKind value) {
  if (disabledKind_ == value) return;
  disabledKind_ = value;
  SkinData()->Invalidate(false);
}

int TsEdit::FrameWidth() const {
  if (BorderStyle() == bsNone) return 0;
  // A client-edge edit has a 2-pixel non-client ring: paint all of it.
  if (auto* self = const_cast<TsEdit*>(this); self->HandleAllocated()) {
    RECT window, client;
    GetWindowRect(self->Handle(), &window);
    GetClientRect(self->Handle(), &client);
    const int ring = ((window.right - window.left) - (client.right - client.left)) / 2;
    if (ring > 0) return ring;
  }
  return BorderWidth() + 1;
}

void TsEdit::PrepareCache() {
  TsCtrlSkinData* skinData = SkinData();
  skinData->InitCacheBmp();
  TBitmap* cache = skinData->CacheBmp();
  if (!cache || cache->Empty()) return;
  const TacCacheInfo ci = ParentCacheInfo(this);
  const TRect all{0, 0, Width(), Height()};
  const int state = skinData->IsHot() ? 1 : 0;
  if (BorderStyle() == bsSingle) PaintSectionItem(*skinData, ci, true, state, all, TPoint{Left(), Top()}, cache, true);
  else PaintSkinDataBackground(*skinData, ci, state, all, TPoint{Left(), Top()}, cache);
  PaintText();
  if (!Enabled()) paint::ApplyDisabledKind(cache, disabledKind_, GetControlColor(Parent()), ci, TPoint{Left(), Top()});
  skinData->BGChanged = false;
  skinData->CachePartial = false;
}

void TsEdit::PaintText() {
  const std::wstring text = Text();
  if (text.empty()) return;
  TCanvas* canvas = SkinData()->CacheBmp()->Canvas();
  canvas->SetFont(Font());
  const int bw = FrameWidth();
  const int s = BorderStyle() == bsSingle ? 1 : 0;
  const int d = bw + s;
  TRect r{d, d, Width() - bw - s, Height() - bw};
  std::uint32_t flags = DT_SINGLELINE | DT_NOPREFIX;
  if (UseRightToLeftAlignment()) {
    flags |= DT_RIGHT | DT_RTLREADING;
    --r.Right;
  }
  const std::wstring shown = PasswordChar() != 0 ? std::wstring(text.size(), PasswordChar()) : text;
  PaintSkinDataText(canvas, shown, Enabled(), SkinData()->IsHot(), *SkinData(), flags, r);
}

void TsEdit::ExcludeChildControls(HDC dc) {
  const int o = (BorderStyle() != bsNone ? BorderWidth() + 2 : 0) - 1;
  for (int i = 0; i < ControlCount(); ++i) {
    TControl* child = Controls(i);
    if (!child->Visible()) continue;
    ExcludeClipRect(dc, child->Left() + o, child->Top() + o, child->Left() + child->Width() + o,
                    child->Top() + child->Height() + o);
  }
}

void TsEdit::CopyCacheTo(HDC dc) {
  TsCtrlSkinData* skinData = SkinData();
  CopyParentCorners(*skinData, skinData->IsHot() ? 1 : 0, 15);
  if (TBitmap* cache = skinData->CacheBmp(); cache && !cache->Empty())
    BitBlt(dc, 0, 0, Width(), Height(), cache->Canvas()->Handle(), 0, 0, SRCCOPY);
}

void TsEdit::PaintSkinned(HDC givenDC) {
  TsCtrlSkinData* skinData = SkinData();
  PAINTSTRUCT ps{};
  const bool animating = AnimationRunning();
  if (!animating) BeginPaint(Handle(), &ps);
  if (!givenDC && !IsWindowVisible(Handle())) {
    if (!animating) EndPaint(Handle(), &ps);
    return;
  }
  HDC dc = givenDC ? givenDC : GetWindowDC(Handle());
  const int saved = SaveDC(dc);
  if (!skinData->Updating()) {
    if (Parent() && Parent()->HandleAllocated() && SendSkinCommandToWnd(Parent()->Handle(), scIsCachePartial, 0) != 0)
      skinData->BGChanged = true;
    if (skinData->BGChanged || !skinData->CacheBmp() || skinData->CacheBmp()->Width() != Width() ||
        skinData->CacheBmp()->Height() != Height())
      PrepareCache();
    ExcludeChildControls(dc);
    CopyCacheTo(dc);
  }
  RestoreDC(dc, saved);
  if (!givenDC) ReleaseDC(Handle(), dc);
  if (!animating) EndPaint(Handle(), &ps);
}

void TsEdit::PaintWindow(HDC dc) {
  TsCtrlSkinData* skinData = SkinData();
  if (!ControlIsReady(this) || !skinData->Skinned()) {
    TEdit::PaintWindow(dc);
    return;
  }
  skinData->SetUpdating(false);
  PrepareCache();
  CopyCacheTo(dc);
}

void TsEdit::PaintBorder() {
  TsCtrlSkinData* skinData = SkinData();
  // A hidden window's DC would draw over whatever is shown in its place.
  if (AnimationRunning() || skinData->Updating() || !HandleAllocated() || !IsWindowVisible(Handle())) return;
  if (skinData->BGChanged || !skinData->CacheBmp() || skinData->CacheBmp()->Empty()) PrepareCache();
  TBitmap* cache = skinData->CacheBmp();
  if (!cache || cache->Empty()) return;
  CopyParentCorners(*skinData, skinData->IsHot() ? 1 : 0, 15);
  const int bw = FrameWidth();
  if (bw <= 0) return;
  HDC dc = GetWindowDC(Handle());
  paint::CopyFrameBits(dc, 0, 0, Width(), Height(), cache->Canvas()->Handle(), 0, 0, bw);
  ReleaseDC(Handle(), dc);
}

void TsEdit::PrintSkinned(TMessage& m) {
  TsCtrlSkinData* skinData = SkinData();
  HDC dc = reinterpret_cast<HDC>(m.WParam);
  if (!dc) return;
  skinData->SetUpdating(false);
  PrepareCache();
  // The caller's origin and clip come back as they were: later siblings
  // and pictures are printed at their own places.
  const int saved = SaveDC(dc);
  CopyCacheTo(dc);
  if (Enabled() && skinData->IsHot() && (m.LParam & PRF_CLIENT)) {
    // The system's own client painting stands while the edit is live.
    const int bw = FrameWidth();
    OffsetViewportOrgEx(dc, bw, bw, nullptr);
    IntersectClipRect(dc, 0, 0, Width() - 2 * bw, Height() - 2 * bw);
    TMessage client{WM_PRINTCLIENT, m.WParam, PRF_CLIENT, 0};
    DefaultHandler(client);
  }
  RestoreDC(dc, saved);
  m.Result = 0;
}

void TsEdit::RepaintAll() {
  SkinData()->BGChanged = true;
  Invalidate();
  if (HandleAllocated()) SendMessageW(Handle(), WM_NCPAINT, 0, 0);
}

void TsEdit::FollowWithLabel(const TMessage& m) {
  TsEditLabel* label = boundLabel_ ? boundLabel_->Label() : nullptr;
  if (!label) return;
  switch (m.Msg) {
    case CM_VISIBLECHANGED:
      label->SetVisible(Visible());
      break;
    case CM_ENABLEDCHANGED:
      // A blended disabled edit stays readable: its caption stays enabled.
      label->SetEnabled(Enabled() || (disabledKind_ & paint::dgBlended) != 0);
      break;
    case WM_SIZE:
    case WM_WINDOWPOSCHANGED:
      break;
    default:
      return;
  }
  boundLabel_->AlignLabel();
}

void TsEdit::WndProc(TMessage& m) {
  TsCtrlSkinData* skinData = SkinData();
  if (m.Msg == SkinCommandMessage) {
    const std::uint16_t code = SkinCommandCode(m.WParam);
    switch (code) {
      case scNewSkin:
      case scRemoveSkin:
      case scRefresh:
        if (m.LParam != reinterpret_cast<LPARAM>(skinData->SkinManager())) return;
        CommonWndProc(m, skinData);
        if (code == scNewSkin) skinData->UpdateControlColors(false);
        if (code != scRemoveSkin && !AnimationRunning() && HandleAllocated() && Visible()) {
          skinData->BGChanged = true;
          RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
        }
        return;
      case scIsSkinned:
        m.Result = 1;
        return;
      case scBGVaries:
        m.Result = 0;
        return;
      case scGetBGColor:
        if (skinData->Skinned()) break;
        m.Result = static_cast<LRESULT>(ColorToRGB(Color()));
        return;
      default:
        break;
    }
  }
  if (!ControlIsReady(this) || !skinData->Skinned()) {
    if (CommonWndProc(m, skinData)) return;
    TEdit::WndProc(m);
    FollowWithLabel(m);
    return;
  }
  const bool animating = AnimationRunning();
  switch (m.Msg) {
    case WM_PRINT:
      PrintSkinned(m);
      return;
    case CM_COLORCHANGED:
      if (skinData->CustomColor()) skinData->BGChanged = true;
      break;
    case WM_PAINT:
      if (!animating && !skinData->Updating()) {
        if (Enabled() && skinData->IsHot()) {
          TEdit::WndProc(m);
          // The frame goes with the system's client: a frame request that
          // came while the edit waited for its parent is not repeated.
          if (m.WParam == 0) PaintBorder();
        } else {
          PaintSkinned(reinterpret_cast<HDC>(m.WParam));
        }
      } else {
        PAINTSTRUCT ps;
        BeginPaint(Handle(), &ps);
        EndPaint(Handle(), &ps);
      }
      return;
    case WM_ERASEBKGND:
      if (animating || skinData->Updating() || !Enabled()) {
        m.Result = 1;
        return;
      }
      TEdit::WndProc(m);
      return;
    case WM_NCPAINT:
      if (!animating) PaintBorder();
      m.Result = 0;
      return;
    default:
      break;
  }
  if (CommonWndProc(m, skinData)) return;
  TEdit::WndProc(m);
  switch (m.Msg) {
    case SkinCommandMessage:
      if (SkinCommandCode(m.WParam) == scEndUpdate && skinData->OwnUpdating()) {
        skinData->SetUpdating(false);
        RepaintAll();
      }
      break;
    case CM_VISIBLECHANGED:
    case CM_ENABLEDCHANGED:
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
    case WM_SETFONT:
    case WM_SETTEXT:
      if (!IsLoading(this) && !animating) RepaintAll();
      break;
    case CM_EXIT:
    case WM_KILLFOCUS:
      skinData->FFocused = false;
      skinData->FMouseAbove = false;
      skinData->BGChanged = true;
      if (Visible()) Invalidate();
      break;
    case WM_SIZE:
      if (HandleAllocated()) SendMessageW(Handle(), WM_NCPAINT, 0, 0);
      break;
    default:
      break;
  }
  FollowWithLabel(m);
}

}  // namespace skin
