#include "skin/adapters/MnuWnd.h"

#include <algorithm>

#include "skin/adapters/AdapterSupport.h"
#include "skin/common/Composition.h"
#include "skin/common/SectionItemPaint.h"
#include "skin/common/SkinCommandSend.h"
#include "skin/core/SkinCommand.h"
#include "skin/forms/MenuInfo.h"
#include "skin/forms/SkinMenusLayout.h"
#include "skin/forms/sSkinMenus.h"
#include "skin/manager/sSkinManager.h"
#include "skin/paint/DcHelpers_Gdi.h"

namespace skin::adapters {

using namespace classlib;

namespace {

constexpr ATOM kMenuClassAtom = 32768;
constexpr int kMenuBorder = 3;

std::vector<TacMnuWnd*>& Adapters() {
  static std::vector<TacMnuWnd*> adapters;
  return adapters;
}

UINT_PTR freeTimer = 0;
bool hidingStep = false;

void CALLBACK FreeDestroyedLater(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  if (id == freeTimer) freeTimer = 0;
  FreeDestroyedMenuAdapters();
}

void ScheduleFreeDestroyed() {
  if (!freeTimer) freeTimer = SetTimer(nullptr, 0, 0, FreeDestroyedLater);
}

// Wine's menu windows: the client area covers the whole window.
bool ClientIsWindow(HWND wnd) {
  RECT client{};
  GetClientRect(wnd, &client);
  const SIZE size = WindowSize(wnd);
  const POINT offset = MenuClientOffset(wnd);
  return offset.x == 0 && offset.y == 0 && client.right == size.cx && client.bottom == size.cy;
}

TsSkinableMenus* MenusOf(TsSkinManager* manager) { return manager ? SkinableMenusOf(manager) : nullptr; }

}  // namespace

TacMnuWnd::~TacMnuWnd() {
  if (HiddenByAlpha && CtrlHandle && IsWindow(CtrlHandle)) RestoreAlpha();
  UndoBinding();
}

bool TacMnuWnd::Skinning() const { return MenuItemsMeasured() && SkinData && SkinData->Skinned(); }

void TacMnuWnd::PrepareCache() {
  if (!SkinData->BGChanged) return;
  const SIZE size = WindowSize(CtrlHandle);
  SkinData->InitCacheBmp();
  TBitmap* cache = SkinData->CacheBmp();
  if (!cache || size.cx <= 0 || size.cy <= 0) return;
  cache->SetSize(size.cx, size.cy);
  const POINT pos = PosInParent(CtrlHandle);
  PaintSectionItem(*SkinData, EmptyCacheInfo, true, 0, TRect{0, 0, size.cx, size.cy}, TPoint{pos.x, pos.y}, cache,
                   true);
  FillCacheCorners(SkinData, 0, this);
  SkinData->BGChanged = false;
}

void TacMnuWnd::PaintFrame() {
  const SIZE size = WindowSize(CtrlHandle);
  if (const TacMenuInfo* info = FindMenuInfo(CtrlHandle);
      info && info->Bmp && info->Bmp->Width() == size.cx && info->Bmp->Height() == size.cy) {
    CopyFrameStrips(CtrlHandle, *info);
    return;
  }
  PrepareCache();
  TBitmap* cache = SkinData->CacheBmp();
  if (!cache || cache->Empty()) return;
  HDC dc = GetWindowDC(CtrlHandle);
  paint::CopyFrameBits(dc, 0, 0, size.cx, size.cy, cache->Canvas()->Handle(), 0, 0, kMenuBorder);
  ReleaseDC(CtrlHandle, dc);
}

void TacMnuWnd::RestoreAlpha() {
  if (!CtrlHandle || !IsWindow(CtrlHandle)) return;
  TsSkinableMenus* menus = MenusOf(SkinManager);
  const std::uint8_t alpha = menus ? menus->MenuSupport().AlphaBlend : 255;
  const LONG_PTR ex = GetWindowLongPtrW(CtrlHandle, GWL_EXSTYLE);
  if (alpha == 255) {
    if (ex & WS_EX_LAYERED) SetWindowLongPtrW(CtrlHandle, GWL_EXSTYLE, ex & ~static_cast<LONG_PTR>(WS_EX_LAYERED));
  } else {
    if (!(ex & WS_EX_LAYERED)) SetWindowLongPtrW(CtrlHandle, GWL_EXSTYLE, ex | WS_EX_LAYERED);
    SetLayeredWindowAttributes(CtrlHandle, 0, alpha, LWA_ALPHA);
  }
  HiddenByAlpha = false;
}

void TacMnuWnd::HideUntilPainted(TMessage& message) {
  const auto* pos = reinterpret_cast<const WINDOWPOS*>(message.LParam);
  if (!pos || !(pos->flags & SWP_SHOWWINDOW) || (pos->flags & SWP_NOSIZE) || IsWindowVisible(CtrlHandle) ||
      hidingStep)
    return;
  hidingStep = true;
  const LONG_PTR ex = GetWindowLongPtrW(CtrlHandle, GWL_EXSTYLE);
  SetWindowLongPtrW(CtrlHandle, GWL_EXSTYLE, ex | WS_EX_LAYERED);
  SetLayeredWindowAttributes(CtrlHandle, 0, 0, LWA_ALPHA);
  HiddenByAlpha = true;
  hidingStep = false;
}

void TacMnuWnd::AfterDestroy() {
  PaintPending = 0;
  if (HiddenByAlpha) RestoreAlpha();
  ClearMenuCache();
  for (TacMnuWnd* other : Adapters()) {
    if (other == this || other->Destroyed) continue;
    RedrawWindow(other->CtrlHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_FRAME);
  }
  // Never freed here: this adapter's own procedure is still running.
  ScheduleFreeDestroyed();
  SetMenuItemsMeasured(false);
}

void TacMnuWnd::AdapterWndProc(TMessage& message) {
  if (message.Msg == SkinCommandMessage) {
    message.Result = 0;
    if (RefusedFromStranger(message)) return;
    switch (SkinCommandCode(message.WParam)) {
      case scIsSkinned:
        message.Result = 1;
        return;
      case scSetUpdating:
        message.Result = PaintPending;
        return;
      case scMenuChanged:
        if (IsWindowVisible(CtrlHandle)) PaintPending = 1;
        return;
      case scGetApplication:
        message.Result = ApplicationAnswer();
        return;
      default:
        return;
    }
  }
  if (message.Msg == WM_DESTROY || message.Msg == WM_NCDESTROY) {
    const bool wasBound = !Destroyed;
    TacScrollWnd::AdapterWndProc(message);
    if (wasBound && Destroyed) AfterDestroy();
    return;
  }
  if (Destroyed || !Skinning()) {
    TacScrollWnd::AdapterWndProc(message);
    // A window shown transparent must come back even when its skinning stops.
    if (!Destroyed && HiddenByAlpha && (message.Msg == WM_NCPAINT || message.Msg == WM_PAINT)) RestoreAlpha();
    return;
  }
  switch (message.Msg) {
    case WM_ERASEBKGND: {
      PrepareCache();
      const auto given = reinterpret_cast<HDC>(message.WParam);
      HDC dc = given ? given : GetDC(CtrlHandle);
      if (TBitmap* cache = SkinData->CacheBmp(); cache && !cache->Empty()) {
        // The system's frame strip is left out: the client starts where it ends.
        const POINT from = MenuClientOffset(CtrlHandle);
        BitBlt(dc, 0, 0, cache->Width(), cache->Height(), cache->Canvas()->Handle(), from.x, from.y, SRCCOPY);
      }
      if (!given) ReleaseDC(CtrlHandle, dc);
      PaintPending = 0;
      message.Result = 1;
      return;
    }
    case WM_WINDOWPOSCHANGING:
      TacScrollWnd::AdapterWndProc(message);
      HideUntilPainted(message);
      return;
    case WM_WINDOWPOSCHANGED: {
      CallPrev(message);
      const auto* pos = reinterpret_cast<const WINDOWPOS*>(message.LParam);
      if (HiddenByAlpha && pos && (pos->flags & SWP_SHOWWINDOW)) {
        // Everything is drawn now; only then the menu becomes visible.
        RedrawWindow(CtrlHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
        if (HiddenByAlpha) RestoreAlpha();
      }
      return;
    }
    case WM_NCPAINT:
      if (ClientIsWindow(CtrlHandle)) {
        // Nothing of ours to draw yet: the frame follows Wine's WM_PAINT.
        CallPrev(message);
        return;
      }
      PaintFrame();
      if (acDwmCompositionEnabled() && !FirstFrameDone)
        RedrawWindow(CtrlHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
      RestoreAlpha();
      FirstFrameDone = true;
      message.Result = 0;
      return;
    case WM_PAINT:
      CallPrev(message);
      // Wine drew its own border inside the client area: ours goes over it.
      if (ClientIsWindow(CtrlHandle)) {
        PaintFrame();
        FirstFrameDone = true;
      }
      if (HiddenByAlpha) RestoreAlpha();
      return;
    default:
      break;
  }
  CallPrev(message);
}

// --- The list

const std::vector<TacMnuWnd*>& MenuAdapters() { return Adapters(); }

TacMnuWnd* AdaptMenuWindow(HWND wnd) {
  auto* adapter = MakeAdapter<TacMnuWnd>(wnd, false, L"MAINMENU", TsSkinManager::DefaultManager(), nullptr);
  Adapters().push_back(adapter);
  return adapter;
}

void FreeMenuAdapters() {
  std::vector<TacMnuWnd*> all;
  all.swap(Adapters());
  for (TacMnuWnd* adapter : all) delete adapter;
}

void FreeDestroyedMenuAdapters() {
  std::vector<TacMnuWnd*>& list = Adapters();
  std::vector<TacMnuWnd*> gone;
  list.erase(std::remove_if(list.begin(), list.end(),
                            [&](TacMnuWnd* a) {
                              const bool dead = a->Destroyed || !IsWindow(a->CtrlHandle);
                              if (dead) gone.push_back(a);
                              return dead;
                            }),
             list.end());
  for (TacMnuWnd* adapter : gone) delete adapter;
}

void AdaptNewMenuWindow(HWND wnd, const CBT_CREATEWNDW* create) {
  if (!wnd || !create || !create->lpcs) return;
  const LPCWSTR cls = create->lpcs->lpszClass;
  if (!IS_INTRESOURCE(cls) || LOWORD(reinterpret_cast<ULONG_PTR>(cls)) != kMenuClassAtom) return;
  TsSkinManager* manager = TsSkinManager::DefaultManager();
  if (!manager || !manager->SkinnedPopups()) return;
  if (SendSkinCommandToWnd(wnd, scIsSkinned, 0) == 1) return;
  AdaptMenuWindow(wnd);
}

LRESULT CALLBACK MenuWindowHookProc(int code, WPARAM wParam, LPARAM lParam) {
  const LRESULT next = CallNextHookEx(nullptr, code, wParam, lParam);
  if (code == HCBT_CREATEWND) {
    try {
      AdaptNewMenuWindow(reinterpret_cast<HWND>(wParam), reinterpret_cast<const CBT_CREATEWNDW*>(lParam));
    } catch (...) {
      // A menu that cannot be skinned still opens in the system's look.
    }
  }
  return next;
}

}  // namespace skin::adapters
