#include "skin/adapters/HotWindow.h"

#include "skin/common/HotTracking.h"
#include "skin/common/SkinCommandSend.h"
#include "skin/manager/sSkinManager.h"
#include "skin/core/SkinCommand.h"

namespace skin::adapters {

namespace {

HWND hotWindow = nullptr;
THotWindowHandler handler;

void SwitchHotWindow(TsSkinManager&, HWND wnd) {
  const HWND old = hotWindow;
  hotWindow = wnd;
  if (old && IsWindow(old)) SendSkinCommandToWnd(old, scMouseLeave, 0);
  if (wnd) SendSkinCommandToWnd(wnd, scMouseEnter, 0);
}

}  // namespace

HWND HotWindow() { return hotWindow; }

bool IsHotWindow(HWND wnd) { return wnd && (hotWindow == wnd || (handler && ActiveControl() == wnd)); }

void SetHotWindow(TsSkinManager& manager, HWND wnd) {
  if (handler) {
    handler(manager, wnd);
    return;
  }
  if (hotWindow != wnd) SwitchHotWindow(manager, wnd);
}

void TrackHotByCursor(HWND wnd, POINT cursor, const std::function<void()>& onStillHot) {
  TsSkinManager* manager = TsSkinManager::DefaultManager();
  if (!manager || !wnd || !IsWindowEnabled(wnd)) return;
  RECT r{};
  GetWindowRect(wnd, &r);
  if (PtInRect(&r, cursor)) {
    if (!IsHotWindow(wnd)) SetHotWindow(*manager, wnd);
    else if (onStillHot) onStillHot();
  } else if (IsHotWindow(wnd)) {
    SetHotWindow(*manager, nullptr);
  }
}

void ForgetHotWindow(HWND wnd) {
  if (wnd && hotWindow == wnd) hotWindow = nullptr;
}

THotWindowHandler SetHotWindowHandler(THotWindowHandler value) {
  THotWindowHandler old = std::move(handler);
  handler = std::move(value);
  return old;
}

}  // namespace skin::adapters
