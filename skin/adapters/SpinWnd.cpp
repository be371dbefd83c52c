#include "skin/adapters/SpinWnd.h"

#include <windows.h>
// after windows.h
#include <commctrl.h>

#include "skin/adapters/AdapterSupport.h"
#include "skin/adapters/HotWindow.h"
#include "skin/adapters/ScrollWnd.h"
#include "skin/common/BackgroundQueries.h"
#include "skin/common/SectionItemPaint.h"
#include "skin/core/MaskValue.h"
#include "skin/core/SkinCommand.h"
#include "skin/manager/sSkinManager.h"
#include "skin/paint/MaskPaint_Gdi.h"

namespace skin::adapters {

using namespace classlib;

namespace {

constexpr UINT kRedrawNow = RDW_INVALIDATE | RDW_UPDATENOW | RDW_FRAME;

}  // namespace

TacSpinWnd::~TacSpinWnd() { UndoBinding(); }

void TacSpinWnd::Create(HWND handle, bool repaint, const std::wstring& skinSection, TsSkinManager* skinManager,
                        TsCommonData* skinData) {
  TacMainWnd::Create(handle, repaint, skinSection, skinManager, skinData);
  ButtonsLeft = 0;
  EnsureSection();
}

void TacSpinWnd::EnsureSection() {
  // A skin without the caller's section still draws the buttons as buttons.
  if (SkinData && SkinManager && SkinManager->Skin() && SkinManager->GetSkinIndex(SkinData->SkinSection()) < 0)
    SkinData->SetSkinSection(L"BUTTON");
}

bool TacSpinWnd::IsVertical() const { return (GetWindowLongPtrW(CtrlHandle, GWL_STYLE) & UDS_HORZ) == 0; }

void TacSpinWnd::StatesFromCursor(POINT cursor) {
  RECT r{};
  GetWindowRect(CtrlHandle, &r);
  if (!PtInRect(&r, cursor)) {
    State1 = State2 = 0;
    return;
  }
  const bool first = IsVertical() ? cursor.y - r.top < (r.bottom - r.top + 1) / 2
                                  : cursor.x - r.left < (r.right - r.left + 1) / 2;
  State1 = first ? Pressed + 1 : 0;
  State2 = first ? 0 : Pressed + 1;
}

void TacSpinWnd::PrepareCache() {
  if (!SkinManager || !SkinManager->Skin()) return;
  EnsureSection();
  TacCacheInfo ci = EmptyCacheInfo;
  GetParentCacheHwnd(CtrlHandle, ci);
  const SIZE size = WindowSize(CtrlHandle);
  SkinData->InitCacheBmp();
  TBitmap* cache = SkinData->CacheBmp();
  if (!cache || size.cx <= 0 || size.cy <= 0) return;
  cache->SetSize(size.cx, size.cy);
  const POINT pos = PosInParent(CtrlHandle);

  const bool vertical = IsVertical();
  const int w = size.cx, h = size.cy;
  const TRect first = vertical ? TRect{ButtonsLeft, 0, w, (h + 1) / 2} : TRect{0, 0, (w + 1) / 2, h};
  const TRect second = vertical ? TRect{ButtonsLeft, h / 2, w, h} : TRect{w / 2, 0, w, h};
  const TsConstData& k = SkinManager->Skin()->ConstData;
  const int arrows[2] = {k.ScrollButtons[vertical ? 0 : 2].Glyph, k.ScrollButtons[vertical ? 1 : 3].Glyph};
  const TRect buttons[2] = {first, second};
  const int states[2] = {State1, State2};
  for (int i = 0; i < 2; ++i) {
    const TRect& b = buttons[i];
    if (b.Width() <= 0 || b.Height() <= 0) continue;
    PaintSectionItem(*SkinData, ci, true, states[i], b, TPoint{pos.x, pos.y}, cache, true);
    if (arrows[i] < 0 || !SkinManager->IsValidImgIndex(arrows[i])) continue;
    const TsMaskData& mask = SkinManager->Skin()->Masks[static_cast<std::size_t>(arrows[i])];
    const int gw = MaskFrameWidth(mask), gh = MaskFrameHeight(mask);
    if (gw <= 0 || gh <= 0) continue;
    const TPoint at{b.Left + (b.Width() - gw) / 2, b.Top + (b.Height() - gh) / 2};
    paint::PaintMaskGlyph(cache, at, states[i], 1, mask, ci);
  }
  SkinData->BGChanged = false;
}

void TacSpinWnd::Paint(HDC given) {
  StatesFromCursor(ScrollPlatform().CursorPos());
  PAINTSTRUCT ps{};
  BeginPaint(CtrlHandle, &ps);
  if (!SkinData->Updating()) {
    HDC dc = given ? given : GetDC(CtrlHandle);
    SkinData->BGChanged = true;
    PrepareCache();
    if (TBitmap* cache = SkinData->CacheBmp(); cache && cache->Width() > 0) {
      const int from = IsVertical() ? ButtonsLeft : 0;
      BitBlt(dc, from, 0, cache->Width() - from, cache->Height(), cache->Canvas()->Handle(), from, 0, SRCCOPY);
    }
    if (!given) ReleaseDC(CtrlHandle, dc);
  }
  EndPaint(CtrlHandle, &ps);
}

void TacSpinWnd::Redraw() { RedrawWindow(CtrlHandle, nullptr, nullptr, kRedrawNow); }

void TacSpinWnd::TrackHot() { TrackHotByCursor(CtrlHandle, ScrollPlatform().CursorPos(), [this] { Redraw(); }); }

void TacSpinWnd::AdapterWndProc(TMessage& message) {
  if (message.Msg == SkinCommandMessage && SkinCommandCode(message.WParam) == scNewSkin &&
      message.LParam == reinterpret_cast<LPARAM>(SkinManager) && !Destroyed) {
    TacMainWnd::AdapterWndProc(message);
    EnsureSection();
    return;
  }
  if (Destroyed || !SkinData || !SkinData->Skinned()) {
    TacMainWnd::AdapterWndProc(message);
    return;
  }
  switch (message.Msg) {
    case WM_PAINT:
      Paint(reinterpret_cast<HDC>(message.WParam));
      message.Result = 0;
      return;
    case WM_ERASEBKGND:
    case WM_NCPAINT:
      message.Result = 0;
      return;
    case WM_LBUTTONDOWN:
      Pressed = 1;
      break;
    case WM_LBUTTONUP:
      Pressed = 0;
      break;
    case WM_MOUSELEAVE:
      InvalidateRect(CtrlHandle, nullptr, FALSE);
      break;
    default:
      if (message.Msg == SkinCommandMessage && SkinCommandCode(message.WParam) == scMouseLeave) Redraw();
      break;
  }
  const UINT msg = message.Msg;
  TacMainWnd::AdapterWndProc(message);
  if (Destroyed) return;
  switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
      Redraw();
      break;
    case WM_LBUTTONDBLCLK:
      Pressed = 1;
      Redraw();
      Pressed = 0;
      break;
    case WM_MOUSEMOVE:
      TrackHot();
      break;
    default:
      break;
  }
}

}  // namespace skin::adapters
