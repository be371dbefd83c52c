#include "skin/adapters/ScrollWnd.h"

#include <windowsx.h>

#include <algorithm>
#include <memory>

#include "classlib/controls/Application.h"
#include "classlib/controls/ComboBox.h"
#include "classlib/graphics/Bitmap.h"
#include "skin/adapters/AdapterSupport.h"
#include "skin/adapters/HotWindow.h"
#include "skin/common/BackgroundQueries.h"
#include "skin/common/ControlUtils.h"
#include "skin/common/SkinCommandSend.h"
#include "skin/core/MaskValue.h"
#include "skin/core/SkinCommand.h"
#include "skin/manager/sSkinManager.h"
#include "skin/paint/DcHelpers_Gdi.h"
#include "skin/paint/MaskPaint_Gdi.h"
#include "skin/paint/PixelCopies_Gdi.h"
#include "skin/paint/SectionItem_Gdi.h"
#include "skin/paint/TextGlow_Gdi.h"

namespace skin::adapters {

using namespace classlib;

namespace {

TScrollTracking tracking;

constexpr UINT CM_RECREATEWND_ = 0xB033;
constexpr UINT CM_MOUSEWHEEL_ = 0xB043;
constexpr int kThumbPressed = 2;

TScrollPlatform DefaultPlatform() {
  TScrollPlatform p;
  p.SetTimer = [](HWND wnd, UINT_PTR id, UINT ms) { return ::SetTimer(wnd, id, ms, nullptr); };
  p.KillTimer = [](HWND wnd, UINT_PTR id) { ::KillTimer(wnd, id); };
  p.CursorPos = [] {
    POINT pt{};
    GetCursorPos(&pt);
    return pt;
  };
  return p;
}

bool InRect(const RECT& r, POINT pt) { return pt.x >= r.left && pt.x < r.right && pt.y >= r.top && pt.y < r.bottom; }

TacScrollBar* BarOf(TacScrollWnd* adapter, int kind) {
  return kind == SB_HORZ ? adapter->HorzBar.get() : adapter->VertBar.get();
}

RECT BarRect(const TacScrollWnd* adapter, HWND wnd, int kind) {
  RECT r{};
  if (kind == SB_HORZ) HorzScrollBarRect(adapter, wnd, r);
  else VertScrollBarRect(adapter, wnd, r);
  return r;
}

TBarMetrics MetricsOf(const TacScrollBar* bar, const RECT& r) {
  TBarMetrics m;
  m.Length = bar->BarType == SB_HORZ ? r.right - r.left : r.bottom - r.top;
  m.Arrow = GetScrollBarSize(bar, false, true);
  m.MinThumb = bar->MinThumbSize;
  return m;
}

int AlongStart(const TacScrollBar* bar, const RECT& r) { return bar->BarType == SB_HORZ ? r.left : r.top; }
int Along(const TacScrollBar* bar, POINT pt) { return bar->BarType == SB_HORZ ? pt.x : pt.y; }

int PartAtPoint(const TacScrollBar* bar, const RECT& r, POINT pt) {
  if (!InRect(r, pt)) return spNone;
  return PartAt(Along(bar, pt) - AlongStart(bar, r), bar->Range(), MetricsOf(bar, r));
}

// The corner lies at the client corner of a top-level parent (the
// window's own border aside), or the window has none: it shows the grip
// and sizes that parent.
bool CornerIsGrip(const TacScrollWnd* adapter, HWND wnd, const RECT& corner) {
  HWND parent = GetParent(wnd);
  if (!parent) return true;
  if (GetWindowLongPtrW(parent, GWL_STYLE) & WS_CHILD) return false;
  RECT client{};
  GetClientRect(parent, &client);
  POINT br{client.right, client.bottom};
  ClientToScreen(parent, &br);
  return corner.right + adapter->MarginRight == br.x && corner.bottom + adapter->MarginBottom == br.y;
}

TRect ToWindow(const RECT& screen, const RECT& window) {
  return TRect{screen.left - window.left, screen.top - window.top, screen.right - window.left,
               screen.bottom - window.top};
}

// The parent's background behind a rectangle of the window.
TacCacheInfo ParentBackground(HWND wnd, TPoint& offset, const TRect& inWindow) {
  TacCacheInfo ci;
  GetParentCacheHwnd(wnd, ci);
  RECT wr{};
  GetWindowRect(wnd, &wr);
  POINT pos{wr.left, wr.top};
  if (HWND parent = GetParent(wnd)) ScreenToClient(parent, &pos);
  offset = TPoint{pos.x + inWindow.Left, pos.y + inWindow.Top};
  return ci;
}

void PaintPart(TsSkinManager* manager, const TsSectionConst& part, const std::wstring& name, const TacCacheInfo& ci,
               int state, const TRect& r, const TPoint& offset, TBitmap* bmp, bool glyph) {
  if (r.Width() <= 0 || r.Height() <= 0 || part.Section < 0) return;
  paint::PaintSectionItemByIndex(part.Section, name, ci, true, state, r, offset, bmp, manager,
                                 paint::TStateTextures{part.Pattern, part.HotPattern});
  if (!glyph || part.Glyph < 0 || !manager->IsValidImgIndex(part.Glyph)) return;
  const TsMaskData& mask = manager->Skin()->Masks[static_cast<std::size_t>(part.Glyph)];
  const int gw = MaskFrameWidth(mask), gh = MaskFrameHeight(mask);
  if (gw <= 0 || gh <= 0) return;
  const TPoint at{r.Left + (r.Width() - gw) / 2, r.Top + (r.Height() - gh) / 2};
  paint::PaintMaskGlyph(bmp, at, state, 1, mask, ci);
}

struct TBarLook {
  int pressedPart = spNone;
  int hoverPart = spNone;
  bool dragThumb = false;
  int dragThumbStart = 0;  // from the bar's start
};

// The bar into DC at R (window coordinates).
void PaintBar(TacScrollWnd* adapter, TacScrollBar* bar, HWND wnd, HDC dc, const TRect& r, const TBarLook& look) {
  TsSkinManager* manager = adapter->SkinManager;
  if (!manager || !manager->Skin() || !bar->ScrollVisible) return;
  const TsConstData& k = manager->Skin()->ConstData;
  const bool horz = bar->BarType == SB_HORZ;
  const TsSectionConst& track1 = k.ScrollBars[horz ? 0 : 1];
  const TsSectionConst& track2 = k.ScrollBars[horz ? 2 : 3];
  const TsSectionConst& slider = k.ScrollSliders[horz ? 1 : 0];
  const TsSectionConst& arrow1 = k.ScrollButtons[horz ? 2 : 0];
  const TsSectionConst& arrow2 = k.ScrollButtons[horz ? 3 : 1];
  if (track1.Section < 0 || (horz ? r.Width() : r.Height()) < 2) return;
  bar->ReadInfo(wnd);
  TControl* owner = adapter->SkinData ? adapter->SkinData->OwnerControl() : nullptr;
  const bool enabled = ScrollBarActive(bar, wnd) && (!owner || owner->Enabled()) && IsWindowEnabled(wnd);

  std::unique_ptr<TBitmap> bmp(paint::NewBitmap32(r.Width(), r.Height()));
  TPoint offset;
  const TacCacheInfo ci = ParentBackground(wnd, offset, r);
  const RECT local{0, 0, r.Width(), r.Height()};
  const TBarMetrics metrics = MetricsOf(bar, local);
  const int s = metrics.Length;
  int l = std::max(0, metrics.Arrow);
  auto span = [&](int from, int to) {
    return horz ? TRect{from, 0, to, r.Height()} : TRect{0, from, r.Width(), to};
  };
  const bool thisWindow = tracking.TrackWnd == wnd;
  auto arrowState = [&](int part) {
    if (look.pressedPart == part) return 2;
    if (enabled && look.hoverPart == part) return 1;
    return 0;
  };
  const std::wstring names[5] = {horz ? L"SCROLLBAR1H" : L"SCROLLBAR1V", horz ? L"SCROLLBAR2H" : L"SCROLLBAR2V",
                                 horz ? L"SCROLLSLIDERH" : L"SCROLLSLIDERV", horz ? L"SCROLLBTNLEFT" : L"SCROLLBTNTOP",
                                 horz ? L"SCROLLBTNRIGHT" : L"SCROLLBTNBOTTOM"};
  if (2 * l >= s) {
    l = s / 2;
    PaintPart(manager, track1, names[0], ci, 0, span(0, s / 2), offset, bmp.get(), false);
    PaintPart(manager, track2, names[1], ci, 0, span(s / 2, s), offset, bmp.get(), false);
  } else {
    TThumbPlace thumb = ThumbPlace(bar->Range(), metrics);
    if (look.dragThumb) {
      thumb.Start = look.dragThumbStart;
      thumb.Length = tracking.ThumbSize;
    }
    const int split = thumb.Fits || look.dragThumb ? thumb.Start + thumb.Length / 2 : s / 2;
    PaintPart(manager, track1, names[0], ci, look.pressedPart == spPageUp ? 2 : 0, span(0, split), offset,
              bmp.get(), false);
    PaintPart(manager, track2, names[1], ci, look.pressedPart == spPageDown ? 2 : 0, span(split, s), offset,
              bmp.get(), false);
    if (enabled && (thumb.Fits || look.dragThumb) && thumb.Length >= 1 && thumb.Length <= s - 2 * l) {
      const int state = look.dragThumb ? kThumbPressed : look.hoverPart == spThumb ? 1 : 0;
      PaintPart(manager, slider, names[2], ci, state, span(thumb.Start, thumb.Start + thumb.Length), offset,
                bmp.get(), true);
    }
  }
  PaintPart(manager, arrow1, names[3], ci, thisWindow ? arrowState(spLineUp) : 0, span(0, l), offset, bmp.get(),
            true);
  PaintPart(manager, arrow2, names[4], ci, thisWindow ? arrowState(spLineDown) : 0, span(s - l, s), offset,
            bmp.get(), true);

  if (!enabled) {
    if (ci.Ready && ci.Bmp) {
      const TRect src{offset.X + ci.X, offset.Y + ci.Y, offset.X + ci.X + r.Width(), offset.Y + ci.Y + r.Height()};
      paint::BlendTransRect(bmp.get(), 0, 0, kSkinKeyColor, 0.4, src, ci.Bmp);
    } else {
      const TColor colour = ci.FillColor == kSkinKeyColor ? GetWndColor(GetParent(wnd)) : ci.FillColor;
      paint::PaintWhiteHighlight(bmp.get(), TRect{0, 0, r.Width(), r.Height()}, 60, colour, 0, 0);
    }
  }
  BitBlt(dc, r.Left, r.Top, r.Width(), r.Height(), bmp->Canvas()->Handle(), 0, 0, SRCCOPY);
}

TBarLook LookOf(int kind, HWND wnd) {
  TBarLook look;
  if (tracking.TrackWnd != wnd) return look;
  if (tracking.TrackKind == kind) look.pressedPart = tracking.PressedPart;
  if (tracking.HoverKind == kind) look.hoverPart = tracking.HoverPart;
  return look;
}

void PaintOneBar(TacScrollWnd* adapter, int kind, HWND wnd, const TBarLook& look) {
  TacScrollBar* bar = BarOf(adapter, kind);
  if (!bar || !bar->ScrollVisible) return;
  RECT wr{};
  GetWindowRect(wnd, &wr);
  HDC dc = GetWindowDC(wnd);
  PaintBar(adapter, bar, wnd, dc, ToWindow(BarRect(adapter, wnd, kind), wr), look);
  ReleaseDC(wnd, dc);
}

void PaintCorner(TacScrollWnd* adapter, HWND wnd, HDC dc) {
  RECT h{}, v{}, wr{};
  HorzScrollBarRect(adapter, wnd, h);
  VertScrollBarRect(adapter, wnd, v);
  GetWindowRect(wnd, &wr);
  const RECT corner{v.left, h.top, v.right, h.bottom};
  const TRect r = ToWindow(corner, wr);
  if (r.Width() <= 0 || r.Height() <= 0) return;
  std::unique_ptr<TBitmap> bmp(paint::NewBitmap32(r.Width(), r.Height()));
  TPoint offset;
  const TacCacheInfo ci = ParentBackground(wnd, offset, r);
  if (ci.Ready && ci.Bmp)
    BitBlt(bmp->Canvas()->Handle(), 0, 0, r.Width(), r.Height(), ci.Bmp->Canvas()->Handle(), offset.X + ci.X,
           offset.Y + ci.Y, SRCCOPY);
  else
    paint::FillRectColor(bmp->Canvas()->Handle(), TRect{0, 0, r.Width(), r.Height()},
                         ci.FillColor == kSkinKeyColor ? GetWndColor(GetParent(wnd)) : ci.FillColor);
  TsSkinManager* manager = adapter->SkinManager;
  if (manager && manager->Skin() && CornerIsGrip(adapter, wnd, corner)) {
    const int grip = manager->Skin()->ConstData.GripImage;
    if (grip >= 0 && manager->IsValidImgIndex(grip)) {
      const TsMaskData& mask = manager->Skin()->Masks[static_cast<std::size_t>(grip)];
      const int gw = MaskFrameWidth(mask), gh = MaskFrameHeight(mask);
      if (gw > 0 && gh > 0) paint::PaintMaskGlyph(bmp.get(), TPoint{r.Width() - gw, r.Height() - gh}, 0, 1, mask, ci);
    }
  }
  BitBlt(dc, r.Left, r.Top, r.Width(), r.Height(), bmp->Canvas()->Handle(), 0, 0, SRCCOPY);
}

void ResetPress() {
  tracking.ClickedPart = tracking.PressedPart = tracking.TrackKind = -1;
  tracking.RepeatTimer = 0;
  tracking.ScrollMsg = 0;
}

void StopHover(HWND wnd) {
  if (tracking.HoverTimer) ScrollPlatform().KillTimer(wnd, kHoverTimer);
  tracking.HoverTimer = 0;
  tracking.HoverKind = tracking.HoverPart = tracking.PrevHoverPart = -1;
}

// Ends whatever the window holds of the tracking: its window is going or
// its capture is gone.
void AbandonTracking(TacScrollWnd* adapter, HWND wnd, bool notify) {
  if (tracking.TrackWnd != wnd) return;
  if (tracking.ClickedPart != -1) {
    ScrollPlatform().KillTimer(wnd, kRepeatDelayTimer);
    ScrollPlatform().KillTimer(wnd, kRepeatTimer);
    const UINT msg = tracking.ScrollMsg;
    const bool wasTracking = adapter->Tracking;
    adapter->Tracking = false;
    if (notify && msg && IsWindow(wnd)) {
      adapter->ScrollSending = true;
      if (wasTracking) SendScrollCode(wnd, msg, SB_THUMBPOSITION, tracking.SavedPos);
      SendScrollCode(wnd, msg, SB_ENDSCROLL, wasTracking ? tracking.SavedPos : 0);
      adapter->ScrollSending = false;
    }
    ResetPress();
  }
  StopHover(wnd);
  tracking.TrackWnd = nullptr;
}

}  // namespace

void PaintScrollPart(TsSkinManager* manager, const TsSectionConst& part, const std::wstring& name,
                     const TacCacheInfo& ci, int state, const TRect& r, const TPoint& offset, TBitmap* bmp,
                     bool glyph) {
  PaintPart(manager, part, name, ci, state, r, offset, bmp, glyph);
}

TScrollPlatform& ScrollPlatform() {
  static TScrollPlatform platform = DefaultPlatform();
  return platform;
}

const TScrollTracking& ScrollTracking() { return tracking; }

// --- TacScrollBar

TacScrollBar::TacScrollBar(TacScrollWnd* owner, int barType)
    : BarType(static_cast<std::uint16_t>(barType)), Owner(owner) {
  ScrollInfo.cbSize = sizeof(SCROLLINFO);
}

void TacScrollBar::ReadInfo(HWND wnd) {
  ScrollInfo = SCROLLINFO{};
  ScrollInfo.cbSize = sizeof(SCROLLINFO);
  ScrollInfo.fMask = SIF_ALL;
  if (!GetScrollInfo(wnd, BarType, &ScrollInfo)) {
    ScrollInfo = SCROLLINFO{};
    ScrollInfo.cbSize = sizeof(SCROLLINFO);
  }
}

TScrollRange TacScrollBar::Range() const {
  return TScrollRange{ScrollInfo.nMin, ScrollInfo.nMax, ScrollInfo.nPage, ScrollInfo.nPos};
}

// --- Free routines

void AttachScrollBars(TacScrollWnd* adapter, HWND handle, bool repaint) {
  adapter->ScrollSending = false;
  adapter->CtrlHandle = handle;
  adapter->HorzBar = std::make_unique<TacScrollBar>(adapter, SB_HORZ);
  adapter->VertBar = std::make_unique<TacScrollBar>(adapter, SB_VERT);
  adapter->HorzBar->ReadInfo(handle);
  adapter->VertBar->ReadInfo(handle);
  const LONG_PTR exStyle = GetWindowLongPtrW(handle, GWL_EXSTYLE);
  const LONG_PTR style = GetWindowLongPtrW(handle, GWL_STYLE);
  adapter->LeftScrollBar = (exStyle & WS_EX_LEFTSCROLLBAR) != 0;
  adapter->HorzBar->ScrollFlags = (style & WS_HSCROLL) ? 8 : 0;
  adapter->VertBar->ScrollFlags = (style & WS_VSCROLL) ? 8 : 0;
  adapter->IgnoreStyleChange = false;
  HookAdapterWindow(adapter, handle);
  adapter->HorzBar->MinThumbSize = adapter->VertBar->MinThumbSize = 10;
  if (repaint) UpdateWindowFrame(handle, true);
}

void DetachScrollBars(HWND handle, bool freeAdapter, bool repaint, TacScrollWnd*& adapter) {
  if (!adapter) return;
  if (!adapter->Destroyed && adapter->Unbind()) {
    adapter->HorzBar.reset();
    adapter->VertBar.reset();
    AbandonTracking(adapter, handle, false);
    adapter->FinishUnbind(handle, repaint);
  }
  if (freeAdapter) {
    delete adapter;
    adapter = nullptr;
  }
}

void RefreshScrollBars(TacScrollWnd* adapter, bool repaint) {
  if (!adapter || !adapter->HorzBar || !adapter->VertBar || !IsWindowVisible(adapter->CtrlHandle)) return;
  if (adapter->SkinData && adapter->SkinData->Updating()) return;
  adapter->HorzBar->ReadInfo(adapter->CtrlHandle);
  adapter->VertBar->ReadInfo(adapter->CtrlHandle);
  if (repaint && !AnimationRunning()) PaintScrollBars(adapter, adapter->CtrlHandle, nullptr);
}

int GetScrollBarSize(const TacScrollBar* bar, bool thickness, bool useSkin) {
  if (!bar) return 0;
  const bool horz = bar->BarType == SB_HORZ;
  if (thickness) {
    if (bar->BarWidth >= 0) return bar->BarWidth;
    return -bar->BarWidth * GetSystemMetrics(horz ? SM_CYHSCROLL : SM_CXVSCROLL);
  }
  if (bar->ArrowLength >= 0) return bar->ArrowLength;
  const int standard = GetSystemMetrics(SM_CXHSCROLL);
  const TsSkinManager* manager = bar->Owner ? bar->Owner->SkinManager : nullptr;
  if (useSkin && manager && manager->Skin()) {
    const int left = manager->GetSkinIndex(L"SCROLLBTNLEFT");
    if (left >= 0 && manager->Skin()->Sections[static_cast<std::size_t>(left)].ReservedBoolean) {
      const int mask = manager->Skin()->ConstData.ScrollButtons[horz ? 2 : 0].Border;
      if (mask >= 0 && manager->IsValidImgIndex(mask)) {
        const TsMaskData& m = manager->Skin()->Masks[static_cast<std::size_t>(mask)];
        return -bar->ArrowLength * std::max(standard, horz ? MaskFrameWidth(m) : MaskFrameHeight(m));
      }
    }
  }
  return -bar->ArrowLength * standard;
}

void HorzScrollBarRect(const TacScrollWnd* adapter, HWND wnd, RECT& r) {
  r = RECT{};
  if (!adapter || !adapter->HorzBar || !adapter->VertBar) return;
  RECT wr{};
  GetWindowRect(wnd, &wr);
  const bool v = adapter->VertBar->ScrollVisible;
  const int vw = v ? GetScrollBarSize(adapter->VertBar.get(), true, true) : 0;
  const int hh = adapter->HorzBar->ScrollVisible ? GetScrollBarSize(adapter->HorzBar.get(), true, true) : 0;
  r.left = wr.left + adapter->MarginLeft + (adapter->LeftScrollBar ? vw : 0);
  r.right = wr.right - adapter->MarginRight - (adapter->LeftScrollBar ? 0 : vw);
  r.bottom = wr.bottom - adapter->MarginBottom;
  r.top = r.bottom - hh;
}

void VertScrollBarRect(const TacScrollWnd* adapter, HWND wnd, RECT& r) {
  r = RECT{};
  if (!adapter || !adapter->HorzBar || !adapter->VertBar) return;
  RECT wr{};
  GetWindowRect(wnd, &wr);
  const int vw = adapter->VertBar->ScrollVisible ? GetScrollBarSize(adapter->VertBar.get(), true, true) : 0;
  const int hh = adapter->HorzBar->ScrollVisible ? GetScrollBarSize(adapter->HorzBar.get(), true, true) : 0;
  r.top = wr.top + adapter->MarginTop;
  r.bottom = wr.bottom - adapter->MarginBottom - hh;
  if (adapter->LeftScrollBar) {
    r.left = wr.left + adapter->MarginLeft;
    r.right = r.left + vw;
  } else {
    r.right = wr.right - adapter->MarginRight;
    r.left = r.right - vw;
  }
}

bool ScrollBarActive(const TacScrollBar* bar, HWND wnd) {
  SCROLLBARINFO info{};
  info.cbSize = sizeof(info);
  if (GetScrollBarInfo(wnd, bar->BarType == SB_HORZ ? OBJID_HSCROLL : OBJID_VSCROLL, &info))
    return (info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE) == 0;
  return (GetWindowLongPtrW(wnd, GWL_STYLE) & (bar->BarType == SB_HORZ ? WS_HSCROLL : WS_VSCROLL)) != 0;
}

void PaintScrollBars(TacScrollWnd* adapter, HWND wnd, HDC dc) {
  if (!adapter || !adapter->HorzBar || !adapter->VertBar || !adapter->SkinData) return;
  if (adapter->SkinData->Updating() || !IsWindowVisible(wnd)) return;
  if (TControl* owner = adapter->SkinData->OwnerControl(); owner && owner->ControlState().Contains(csCreating))
    return;
  if (adapter->SkinData->BGChanged) SendSkinCommandToWnd(wnd, scPrepareCache, 0);
  if (adapter->Tracking) return;
  HDC target = dc ? dc : GetWindowDC(wnd);
  RECT wr{};
  GetWindowRect(wnd, &wr);
  for (int kind : {SB_HORZ, SB_VERT}) {
    TacScrollBar* bar = BarOf(adapter, kind);
    if (bar->ScrollVisible) PaintBar(adapter, bar, wnd, target, ToWindow(BarRect(adapter, wnd, kind), wr), LookOf(kind, wnd));
  }
  if (adapter->HorzBar->ScrollVisible && adapter->VertBar->ScrollVisible) PaintCorner(adapter, wnd, target);
  if (!dc) ReleaseDC(wnd, target);
}

void SendScrollCode(HWND wnd, UINT msg, int code, int pos) {
  const LPARAM lp = MAKELONG(static_cast<WORD>(code), static_cast<WORD>(msg));
  const WORD low16 = static_cast<WORD>(std::clamp(pos, 0, 65535));
  if (SendSkinCommandToWnd(wnd, scBeforeScroll, lp) != 1) {
    const int kind = msg == WM_HSCROLL ? SB_HORZ : SB_VERT;
    if (code == SB_THUMBTRACK) {
      SCROLLINFO si{};
      si.cbSize = sizeof(si);
      si.fMask = SIF_POS;
      si.nPos = pos;
      SetScrollInfo(wnd, kind, &si, FALSE);
    }
    SendMessageW(wnd, msg, MAKEWPARAM(static_cast<WORD>(code), low16), 0);
  } else {
    SendMessageW(wnd, msg, MAKEWPARAM(static_cast<WORD>(code), low16), static_cast<LPARAM>(pos));
  }
  SendSkinCommandToWnd(wnd, scAfterScroll, lp);
}

// --- TacScrollWnd

TacScrollWnd::~TacScrollWnd() {
  AbandonTracking(this, CtrlHandle, false);
  UndoBinding();
}

void TacScrollWnd::AttachToWindow(HWND handle, bool repaint) { AttachScrollBars(this, handle, repaint); }

void TacScrollWnd::UnbindOnDestroy() {
  TacScrollWnd* self = this;
  DetachScrollBars(CtrlHandle, false, false, self);
}

void TacScrollWnd::NcCalcSize(TMessage& message) {
  auto* rect = reinterpret_cast<RECT*>(message.LParam);
  if (!rect) {
    CallPrev(message);
    return;
  }
  const RECT proposed = *rect;
  const LONG_PTR style = GetWindowLongPtrW(CtrlHandle, GWL_STYLE);
  if (style & (WS_HSCROLL | WS_VSCROLL)) {
    IgnoreStyleChange = true;
    SetWindowLongPtrW(CtrlHandle, GWL_STYLE, style & ~static_cast<LONG_PTR>(WS_HSCROLL | WS_VSCROLL));
    CallPrev(message);
    SetWindowLongPtrW(CtrlHandle, GWL_STYLE, style);
    IgnoreStyleChange = false;
  } else {
    CallPrev(message);
  }
  RECT& client = *rect;
  MarginLeft = client.left - proposed.left;
  MarginRight = proposed.right - client.right;
  MarginTop = client.top - proposed.top;
  MarginBottom = proposed.bottom - client.bottom;
  if (!HorzBar || !VertBar) return;
  HorzBar->ScrollFlags = (style & WS_HSCROLL) ? 8 : 0;
  const int hh = GetScrollBarSize(HorzBar.get(), true, true);
  HorzBar->ScrollVisible = HorzBar->ScrollFlags == 8 && hh <= client.bottom - client.top;
  if (HorzBar->ScrollVisible) client.bottom -= hh;
  VertBar->ScrollFlags = (style & WS_VSCROLL) ? 8 : 0;
  const int vw = GetScrollBarSize(VertBar.get(), true, true);
  VertBar->ScrollVisible = VertBar->ScrollFlags == 8 && vw <= client.right - client.left;
  if (VertBar->ScrollVisible) {
    if (LeftScrollBar) client.left += vw;
    else client.right -= vw;
  }
}

void TacScrollWnd::NcHitTest(TMessage& message) {
  const POINT pt{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
  RECT h{}, v{};
  HorzScrollBarRect(this, CtrlHandle, h);
  VertScrollBarRect(this, CtrlHandle, v);
  if (HorzBar && HorzBar->ScrollVisible && InRect(h, pt)) {
    message.Result = ScrollBarActive(HorzBar.get(), CtrlHandle) ? HTHSCROLL : HTNOWHERE;
    return;
  }
  if (VertBar && VertBar->ScrollVisible && InRect(v, pt)) {
    message.Result = ScrollBarActive(VertBar.get(), CtrlHandle) ? HTVSCROLL : HTNOWHERE;
    return;
  }
  if (HorzBar && VertBar && HorzBar->ScrollVisible && VertBar->ScrollVisible) {
    const RECT corner{v.left, h.top, v.right, h.bottom};
    if (InRect(corner, pt) && CornerIsGrip(this, CtrlHandle, corner)) {
      message.Result = HTBOTTOMRIGHT;
      return;
    }
  }
  CallPrev(message);
}

bool TacScrollWnd::ScrollButtonDown(TMessage& message, int hitCode) {
  if (hitCode != HTHSCROLL && hitCode != HTVSCROLL) return false;
  const HWND wnd = CtrlHandle;
  if (tracking.TrackWnd && tracking.TrackWnd != wnd) {
    if (TacScrollWnd* other = dynamic_cast<TacScrollWnd*>(GetAdapter(tracking.TrackWnd)))
      AbandonTracking(other, tracking.TrackWnd, true);
  }
  tracking.TrackWnd = wnd;
  const int kind = hitCode == HTHSCROLL ? SB_HORZ : SB_VERT;
  tracking.ScrollMsg = kind == SB_HORZ ? WM_HSCROLL : WM_VSCROLL;
  tracking.TrackKind = kind;
  TacScrollBar* bar = BarOf(this, kind);
  bar->ReadInfo(wnd);
  const RECT r = BarRect(this, wnd, kind);
  const POINT pt{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
  tracking.ClickedPart = PartAtPoint(bar, r, pt);
  const bool active = ScrollBarActive(bar, wnd);
  message.Result = 0;
  if (tracking.ClickedPart >= spLineUp && tracking.ClickedPart <= spPageDown && active) {
    tracking.PressedPart = tracking.ClickedPart;
    PaintOneBar(this, kind, wnd, LookOf(kind, wnd));
    ScrollSending = true;
    SendScrollCode(wnd, tracking.ScrollMsg, tracking.ClickedPart, 0);
    ScrollSending = false;
    tracking.PressedPart = tracking.ClickedPart;
    // The window may have drawn its own bar over the strip while scrolling.
    PaintOneBar(this, kind, wnd, LookOf(kind, wnd));
    tracking.RepeatTimer = ScrollPlatform().SetTimer(wnd, kRepeatDelayTimer, 300);
  } else if (tracking.ClickedPart == spThumb && active) {
    const TBarMetrics metrics = MetricsOf(bar, r);
    const TThumbPlace thumb = ThumbPlace(bar->Range(), metrics);
    tracking.ThumbSize = thumb.Length;
    tracking.ThumbPos = AlongStart(bar, r) + thumb.Start;
    tracking.DragBarRect = r;
    Tracking = true;
    bar->ScrollInfo.nTrackPos = bar->ScrollInfo.nPos;
    tracking.DragOffset = Along(bar, pt) - tracking.ThumbPos;
    tracking.SavedPos = bar->ScrollInfo.nPos;
    tracking.LastThumbPos = tracking.ThumbPos;
    TBarLook look;
    look.dragThumb = true;
    look.dragThumbStart = thumb.Start;
    PaintOneBar(this, kind, wnd, look);
  } else {
    if (tracking.ClickedPart != spThumb) CallPrev(message);
    tracking.ClickedPart = -1;
    tracking.TrackKind = -1;
    tracking.ScrollMsg = 0;
    return true;
  }
  SetCapture(wnd);
  return true;
}

void TacScrollWnd::ScrollButtonUp(TMessage& /*message*/) {
  const HWND wnd = CtrlHandle;
  const int clicked = tracking.ClickedPart;
  const int kind = tracking.TrackKind;
  const UINT msg = tracking.ScrollMsg;
  const int savedPos = tracking.SavedPos;
  const bool wasTracking = Tracking;
  // The press is over before the capture goes: losing the capture must not
  // end it a second time.
  ResetPress();
  Tracking = false;
  if (!KeepsCapture() && GetCapture() == wnd) ReleaseCapture();
  if (clicked >= spLineUp && clicked <= spPageDown) {
    ScrollPlatform().KillTimer(wnd, kRepeatDelayTimer);
    ScrollPlatform().KillTimer(wnd, kRepeatTimer);
  }
  ScrollSending = true;
  if (wasTracking) SendScrollCode(wnd, msg, SB_THUMBPOSITION, savedPos);
  SendScrollCode(wnd, msg, SB_ENDSCROLL, clicked == spThumb ? savedPos : 0);
  ScrollSending = false;
  if (kind >= 0 && IsWindow(wnd)) PaintOneBar(this, kind, wnd, LookOf(kind, wnd));
}

bool TacScrollWnd::HandleScrollMouse(TMessage& message) {
  const HWND wnd = CtrlHandle;
  switch (message.Msg) {
    case WM_NCMOUSEMOVE: {
      const int hit = static_cast<int>(message.WParam);
      if (hit == HTHSCROLL || hit == HTVSCROLL) {
        const int kind = hit == HTHSCROLL ? SB_HORZ : SB_VERT;
        if (tracking.HoverKind != kind || tracking.TrackWnd != wnd) {
          if (tracking.TrackWnd && tracking.TrackWnd != wnd && tracking.ClickedPart == -1) {
            StopHover(tracking.TrackWnd);
          }
          tracking.HoverPart = tracking.PrevHoverPart = -1;
          tracking.HoverBarRect = BarRect(this, wnd, kind);
          tracking.HoverKind = kind;
          tracking.HoverTimer = ScrollPlatform().SetTimer(wnd, kHoverTimer, 20);
          if (tracking.ClickedPart == -1) tracking.TrackWnd = wnd;
          PaintScrollBars(this, wnd, nullptr);
        }
        if (tracking.ClickedPart == -1) tracking.TrackWnd = wnd;
      }
      CallPrev(message);
      return true;
    }
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
      if (ScrollButtonDown(message, static_cast<int>(message.WParam))) return true;
      CallPrev(message);
      return true;
    case WM_MOUSEMOVE: {
      if (tracking.TrackWnd != wnd) break;
      POINT pt{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
      ClientToScreen(wnd, &pt);
      if (Tracking && tracking.TrackKind >= 0) {
        TacScrollBar* bar = BarOf(this, tracking.TrackKind);
        const RECT& r = tracking.DragBarRect;
        const TBarMetrics metrics = MetricsOf(bar, r);
        const int trackStart = AlongStart(bar, r) + metrics.Arrow;
        const int trackEnd = AlongStart(bar, r) + metrics.Length - metrics.Arrow;
        const int thumbStart =
            std::clamp(Along(bar, pt) - tracking.DragOffset, trackStart, std::max(trackStart, trackEnd - tracking.ThumbSize));
        const int position = PositionFromThumb(thumbStart - trackStart, tracking.ThumbSize, bar->Range(), metrics);
        tracking.LastThumbPos = thumbStart;
        TBarLook look;
        look.dragThumb = true;
        look.dragThumbStart = thumbStart - AlongStart(bar, r);
        if (position != tracking.SavedPos) {
          bar->ScrollInfo.nTrackPos = position;
          ScrollSending = true;
          SendScrollCode(wnd, tracking.ScrollMsg, SB_THUMBTRACK, position);
          ScrollSending = false;
        }
        tracking.SavedPos = position;
        PaintOneBar(this, tracking.TrackKind, wnd, look);
        message.Result = 0;
        return true;
      }
      const int clicked = tracking.ClickedPart;
      if (clicked != spNone && tracking.TrackKind >= 0) {
        TacScrollBar* bar = BarOf(this, tracking.TrackKind);
        const int part = PartAtPoint(bar, BarRect(this, wnd, tracking.TrackKind), pt);
        const int pressed = part == clicked ? clicked : -1;
        if (pressed != tracking.PressedPart) {
          tracking.PressedPart = pressed;
          PaintOneBar(this, tracking.TrackKind, wnd, LookOf(tracking.TrackKind, wnd));
        }
        message.Result = 0;
        return true;
      }
      break;
    }
    case WM_LBUTTONUP:
      if (tracking.TrackWnd != wnd || tracking.ClickedPart == -1) break;
      ScrollButtonUp(message);
      if (KeepsCapture()) {
        message.Result = 0;
        return true;
      }
      CallPrev(message);
      return true;
    case WM_TIMER: {
      bool handled = true;
      if (message.WParam == kRepeatDelayTimer && tracking.TrackWnd == wnd) {
        ScrollPlatform().KillTimer(wnd, kRepeatDelayTimer);
        tracking.RepeatTimer = ScrollPlatform().SetTimer(wnd, kRepeatTimer, 55);
      } else if (message.WParam == kRepeatTimer && tracking.TrackWnd == wnd && tracking.TrackKind >= 0) {
        POINT pt = ScrollPlatform().CursorPos();
        POINT client = pt;
        ScreenToClient(wnd, &client);
        if (client.x < 0 || client.y < 0) {
          client.x = std::max<LONG>(client.x, 0);
          client.y = std::max<LONG>(client.y, 0);
          pt = client;
          ClientToScreen(wnd, &pt);
        }
        TacScrollBar* bar = BarOf(this, tracking.TrackKind);
        bar->ReadInfo(wnd);
        const int part = PartAtPoint(bar, BarRect(this, wnd, tracking.TrackKind), pt);
        const int pressed = part == tracking.ClickedPart ? part : -1;
        if (pressed != tracking.PressedPart) {
          tracking.PressedPart = pressed;
          PaintOneBar(this, tracking.TrackKind, wnd, LookOf(tracking.TrackKind, wnd));
        }
        if (tracking.PressedPart != -1) {
          ScrollSending = true;
          SendScrollCode(wnd, tracking.ScrollMsg, tracking.PressedPart, 0);
          ScrollSending = false;
          PaintOneBar(this, tracking.TrackKind, wnd, LookOf(tracking.TrackKind, wnd));
        }
      } else if (message.WParam == kHoverTimer && tracking.TrackWnd == wnd) {
        if (!Tracking) {
          const POINT pt = ScrollPlatform().CursorPos();
          if (InRect(tracking.HoverBarRect, pt) && tracking.HoverKind >= 0) {
            TacScrollBar* bar = BarOf(this, tracking.HoverKind);
            tracking.HoverPart = PartAtPoint(bar, tracking.HoverBarRect, pt);
            if (tracking.HoverPart != tracking.PrevHoverPart) {
              PaintOneBar(this, tracking.HoverKind, wnd, LookOf(tracking.HoverKind, wnd));
              tracking.PrevHoverPart = tracking.HoverPart;
            }
          } else {
            StopHover(wnd);
            PaintScrollBars(this, wnd, nullptr);
          }
        }
      } else {
        handled = false;
        CallPrev(message);
      }
      if (handled) message.Result = 0;
      if (!ScrollSending && !Tracking) RefreshScrollBars(this, true);
      return true;
    }
    case WM_CANCELMODE:
    case WM_CAPTURECHANGED:
      // The press ends with the capture, whoever took it.
      if (tracking.TrackWnd == wnd && tracking.ClickedPart != -1 &&
          (message.Msg == WM_CANCELMODE || reinterpret_cast<HWND>(message.LParam) != wnd)) {
        AbandonTracking(this, wnd, true);
        tracking.TrackWnd = wnd;
        if (message.Msg == WM_CANCELMODE && GetCapture() == wnd) ReleaseCapture();
        PaintScrollBars(this, wnd, nullptr);
      }
      break;
    default:
      break;
  }
  return false;
}

void TacScrollWnd::PostProcess(const TMessage& message) {
  if ((message.Msg == WM_MOUSEWHEEL || message.Msg == CM_MOUSEWHEEL_) && !ScrollSending) RefreshScrollBars(this, true);
  if (message.Msg == CM_FOCUSCHANGED) RefreshScrollBars(this, true);
}

void TacScrollWnd::AdapterWndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_DESTROY:
    case WM_NCDESTROY:
      AbandonTracking(this, CtrlHandle, false);
      HandleDestroy(message);
      return;
    case WM_UPDATEUISTATE:
      return;
    case CM_RECREATEWND_:
      if (!IsWindowVisible(CtrlHandle)) {
        auto* combo = dynamic_cast<TCustomComboBox*>(SkinData ? SkinData->OwnerControl() : nullptr);
        if (combo && combo->Name().empty()) return;
      }
      break;
    default:
      break;
  }
  if (Destroyed || !SkinData || !HorzBar || !VertBar) {
    CallPrev(message);
    return;
  }
  const bool command = message.Msg == SkinCommandMessage;
  const std::uint16_t code = command ? SkinCommandCode(message.WParam) : 0;
  if (RefusedFromStranger(message)) return;
  const bool ownManager = command && message.LParam == reinterpret_cast<LPARAM>(SkinManager);
  if (!SkinData->Skinned()) {
    if (command && code == scNewSkin && ownManager) SkinData->UpdateIndexes();
    CallPrev(message);
    return;
  }
  if (command && code <= MaxCommonCode) {
    switch (code) {
      case scNewSkin:
        if (ownManager) {
          SkinData->UpdateIndexes();
          SendToChildren(dynamic_cast<TWinControl*>(SkinData->OwnerControl()), CtrlHandle, message);
        }
        CallPrev(message);
        return;
      case scRemoveSkin:
        if (ownManager) RestoreControlParams();
        CallPrev(message);
        return;
      case scRefresh:
        if (ownManager) {
          SkinData->UpdateIndexes();
          SkinData->BGChanged = true;
        }
        CallPrev(message);
        return;
      case scEndUpdate:
        if (SkinData->OwnUpdating()) {
          SkinData->SetUpdating(false);
          if (!SkinData->Updating())
            RedrawWindow(CtrlHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
        }
        CallPrev(message);
        return;
      case scIsSkinned:
        message.Result = 1;
        return;
      case scSetUpdating:
        SkinData->SetUpdating(SkinCommandLow(message.WParam) == 1);
        CallPrev(message);
        return;
      case scSetSection:
        if (message.LParam != 0)
          SkinData->SetSkinSection(reinterpret_cast<const TsCommonData*>(message.LParam)->SkinSection());
        CallPrev(message);
        return;
      case scGetBGColor:
        if (CallPrev(message) == 0)
          message.Result = static_cast<LRESULT>(static_cast<std::uint32_t>(GetBGColor(SkinData, 0, CtrlHandle)));
        return;
      case scGetBGInfo: {
        auto* info = reinterpret_cast<TacBGInfo*>(message.LParam);
        CallPrev(message);
        if (info->Kind == bgNone) FillBGInfo(SkinData, *info, 0, CtrlHandle);
        message.Result = 0;
        return;
      }
      case scGetSkinData:
        message.Result = reinterpret_cast<LRESULT>(SkinData);
        return;
      case scSetPrintDC:
        StorePrintDC(SkinData, message.LParam);
        CallPrev(message);
        return;
      case scGetApplication:
        message.Result = ApplicationAnswer();
        return;
      default:
        CallPrev(message);
        PostProcess(message);
        return;
    }
  }
  switch (message.Msg) {
    case WM_NCCALCSIZE:
      NcCalcSize(message);
      return;
    case WM_NCHITTEST:
      NcHitTest(message);
      return;
    case WM_NCPAINT:
      // The previous procedure may draw the system bars over the strips:
      // ours come after it.
      CallPrev(message);
      if (IsWindowVisible(CtrlHandle) && !SkinData->Updating() && !ScrollSending)
        PaintScrollBars(this, CtrlHandle, nullptr);
      return;
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONUP:
    case WM_NCMBUTTONDOWN:
    case WM_NCMBUTTONUP:
      if (message.WParam == HTHSCROLL || message.WParam == HTVSCROLL) {
        message.Result = 0;
        return;
      }
      CallPrev(message);
      return;
    case WM_STYLECHANGED:
      if (IgnoreStyleChange) {
        message.Result = 0;
        return;
      }
      if (static_cast<int>(message.WParam) == GWL_EXSTYLE && message.LParam)
        LeftScrollBar = (reinterpret_cast<const STYLESTRUCT*>(message.LParam)->styleNew & WS_EX_LEFTSCROLLBAR) != 0;
      CallPrev(message);
      return;
    case WM_STYLECHANGING:
      if (IgnoreStyleChange) {
        message.Result = 0;
        return;
      }
      break;
    case WM_SYSCOMMAND:
      if ((message.WParam & 0xFFF0) == SC_VSCROLL && (message.WParam & 0xF) == HTVSCROLL) {
        message.Result = 0;
        return;
      }
      CallPrev(message);
      return;
    case WM_SETTEXT:
      CallPrev(message);
      ReadCaption();
      return;
    default:
      if (HandleScrollMouse(message)) return;
      break;
  }
  CallPrev(message);
  PostProcess(message);
}

}  // namespace skin::adapters
