#include "skin/common/MainWindowHook.h"

#include "classlib/controls/Application.h"
#include "skin/common/Composition.h"
#include "skin/common/SkinCommandSend.h"
#include "skin/common/SkinnedFormState.h"
#include "skin/common/WindowAnimations.h"
#include "skin/common/sCommonData.h"
#include "skin/core/SystemSettings.h"
#include "skin/manager/sSkinManager.h"
#include "skin/paint/LayeredWindows_Gdi.h"

namespace skin {

using namespace classlib;

namespace {

// The system's own minimize/restore animation is off while it lives, and
// back as it was however the scope ends.
class MinMaxAnimationOff {
 public:
  MinMaxAnimationOff() : platform_(MainHookPlatform()), was_(platform_.GetMinMaxAnimation()) {
    platform_.SetMinMaxAnimation(false);
  }
  ~MinMaxAnimationOff() { platform_.SetMinMaxAnimation(was_); }
  MinMaxAnimationOff(const MinMaxAnimationOff&) = delete;
  MinMaxAnimationOff& operator=(const MinMaxAnimationOff&) = delete;

 private:
  const TsMainHookPlatform& platform_;
  bool was_;
};

void MinimizeWithoutSystemAnimation() {
  MinMaxAnimationOff off;
  MainHookPlatform().Minimize();
}

void RestoreWithoutSystemAnimation() {
  MinMaxAnimationOff off;
  MainHookPlatform().Restore();
}

bool MainWindowIconic() {
  TCustomForm* main = Application->MainForm();
  if (main && main->HandleAllocated() && IsIconic(main->Handle())) return true;
  return Application->HandleAllocated() && IsIconic(Application->Handle());
}

void Redraw(HWND wnd, UINT extra = 0) {
  RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME | extra);
}

// Makes a window transparent without hiding it: layered with alpha 1.
// False when it was layered already (or the system has no layered windows,
// then it is hidden instead).
bool SetAlphaHidden(HWND wnd) {
  const LONG exStyle = GetWindowLongW(wnd, GWL_EXSTYLE);
  if (!paint::LayeredWindowsAvailable()) {
    SetWindowLongW(wnd, GWL_STYLE, GetWindowLongW(wnd, GWL_STYLE) & ~WS_VISIBLE);
    SetWindowLongW(wnd, GWL_EXSTYLE, exStyle & ~WS_EX_LAYERED);
    return false;
  }
  if (exStyle & WS_EX_LAYERED) return false;
  SetWindowLongW(wnd, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
  if (auto set = paint::SetLayeredWindowAttributesEntry()) set(wnd, 0, 1, LWA_ALPHA);
  return true;
}

void SendActivationToForms() {
  TApplication* application = Application;
  for (int i = application->ComponentCount() - 1; i >= 0; --i) {
    if (i >= application->ComponentCount()) continue;
    auto* form = dynamic_cast<TCustomForm*>(application->Components(i));
    if (form && form->HandleAllocated()) SendSkinCommandToWnd(form->Handle(), scLockRedraw, 0);
  }
}

bool OwnMenuWindow(HWND wnd) {
  if (!wnd || GetWindowThreadProcessId(wnd, nullptr) != GetCurrentThreadId()) return false;
  wchar_t name[16]{};
  GetClassNameW(wnd, name, 16);
  return lstrcmpiW(name, L"#32768") == 0;
}

void PrepareMenuWindow(const TsSkinManager& manager, std::intptr_t item) {
  const TsMenuWindowServices& services = MenuWindowServices();
  HMENU menu = nullptr;
  if (!manager.SkinnedPopups() || !services.MenuOfItem || !services.MenuOfItem(item, menu) || !menu) return;
  RECT r{};
  if (!GetMenuItemRect(nullptr, menu, 0, &r) &&
      !(Application->HandleAllocated() && GetMenuItemRect(Application->Handle(), menu, 0, &r)))
    return;
  const HWND wnd = WindowFromPoint(POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2});
  if (!OwnMenuWindow(wnd)) return;
  if (services.HasPreparedImage && services.HasPreparedImage(wnd, item) && services.PrepareMenuWindow)
    services.PrepareMenuWindow(wnd, item);
}

// The main form fades out when the application window hides at shut-down.
void HideAtShutDown(const TsSkinManager& manager, const TsHookMessage& message) {
  if (!paint::LayeredWindowsAvailable() || !message.LParam) return;
  if ((reinterpret_cast<const WINDOWPOS*>(message.LParam)->flags & SWP_HIDEWINDOW) == 0) return;
  const TacFormHide& hide = *manager.AnimEffects()->FormHide();
  if (!hide.Active() || hide.Time() == 0 || MainWindowIconic() || !Application->Terminated()) return;
  TCustomForm* main = Application->MainForm();
  if (!main || !main->HandleAllocated() || !IsWindowVisible(main->Handle())) return;
  TsSkinnedForm* provider = SkinnedFormOf(main);
  if (!provider || !provider->DrawNonClientArea() || provider->Hiding() || !provider->AllowAnimation()) return;
  provider->SetHiding(true);
  provider->IncludeState(sfsRestorePending);
  if (TsExtBorder* border = provider->ExtBorder(); border && border->BorderWindow())
    SetWindowRgn(border->BorderWindow(), border->MakeRgn(0, 0), FALSE);
  SetAlphaHidden(main->Handle());
  main->Update();
  ForgetHideTimer();
  AnimHideForm(*provider);
}

bool Minimize(TsSkinManager& manager) {
  manager.SetSysCommandState(scsMinimizing);
  TCustomForm* main = Application->MainForm();
  if (MainWindowIconic() || !main || !main->Visible()) return false;
  TsSkinnedForm* provider = SkinnedFormOf(main);
  if (!provider) return false;
  if (manager.AnimEffects()->Minimizing()->Active()) {
    if (!provider->DrawNonClientArea()) return false;
    provider->StartMinimizeAnimation();
    if (acDwmCompositionEnabled()) return false;
    MinimizeWithoutSystemAnimation();
    return true;
  }
  if (TsExtBorder* border = provider->ExtBorder(); border && border->BorderWindow()) {
    border->SetSuspended(true);
    border->FreeBorderWindow();
  }
  return false;
}

void ShowBehindCover(TCustomForm& main, TsSkinnedForm& provider) {
  const HWND wnd = main.Handle();
  constexpr UINT redraw = RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME;
  if (provider.HasCoverWindow()) {
    std::unique_ptr<TWinControl> cover = provider.TakeCoverWindow();
    if (cover && cover->HandleAllocated())
      SetWindowPos(wnd, cover->Handle(), 0, 0, 0, 0,
                   SWP_NOSIZE | SWP_NOMOVE | SWP_NOREDRAW | SWP_SHOWWINDOW | SWP_NOOWNERZORDER | SWP_NOSENDCHANGING);
    RedrawWindow(wnd, nullptr, nullptr, redraw);
  } else {
    ShowWindow(wnd, SW_RESTORE);
    RedrawWindow(wnd, nullptr, nullptr, redraw);
  }
}

bool Restore(TsSkinManager& manager) {
  manager.SetSysCommandState(scsRestoring);
  TCustomForm* main = Application->MainForm();
  TsSkinnedForm* provider = main ? SkinnedFormOf(main) : nullptr;
  if (!provider) return false;
  const bool composition = acDwmCompositionEnabled();
  if (provider->HasState(sfsRestorePending)) {
    provider->ExcludeState(sfsRestorePending);
    TsCommonData* data = provider->SkinData();
    TsExtBorder* border = provider->ExtBorder();
    const TsSkinManager* owner = data ? data->SkinManager() : nullptr;
    if (owner && owner->ExtendedBorders() && provider->AllowExtBorders() && !border && data->CacheBmp())
      data->EmptyCache();
    if (border) border->SetSuspended(false);
    MinMaxAnimationOff off;
    MainHookPlatform().Restore();
    if (composition && main->HandleAllocated()) {
      Redraw(main->Handle());
      const LONG exStyle = GetWindowLongW(main->Handle(), GWL_EXSTYLE);
      if (exStyle & WS_EX_LAYERED) {
        if (data) data->BGChanged = true;
        SetWindowLongW(main->Handle(), GWL_EXSTYLE, exStyle & ~WS_EX_LAYERED);
      }
    }
    return false;
  }
  if (manager.AnimEffects()->Minimizing()->Active() && main->Visible()) {
    if (!provider->DrawNonClientArea()) return false;
    if (!provider->StartRestoreAnimation() && main->HandleAllocated()) ShowBehindCover(*main, *provider);
    if (composition) return false;
    RestoreWithoutSystemAnimation();
    return true;
  }
  if (!composition) return false;
  RestoreWithoutSystemAnimation();
  if (main->HandleAllocated()) Redraw(main->Handle());
  return true;
}

bool SystemCommand(TsSkinManager& manager, std::uintptr_t command) {
  if (!manager.SkinData().Active) return false;
  switch (command) {
    case SC_MINIMIZE: return Minimize(manager);
    case SC_RESTORE: return Restore(manager);
    default: manager.SetSysCommandState(scsNone); return false;
  }
}

}  // namespace

TsMainHookPlatform DefaultMainHookPlatform() {
  TsMainHookPlatform p;
  p.Minimize = [] { Application->Minimize(); };
  p.Restore = [] { Application->Restore(); };
  p.GetMinMaxAnimation = GetMinMaxAnimation;
  p.SetMinMaxAnimation = SetMinMaxAnimation;
  return p;
}

TsMainHookPlatform& MainHookPlatform() {
  static TsMainHookPlatform platform = DefaultMainHookPlatform();
  return platform;
}

TsMenuWindowServices& MenuWindowServices() {
  static TsMenuWindowServices services;
  return services;
}

bool HandleMainWindowMessage(TsSkinManager& manager, TsHookMessage& message) {
  switch (message.Msg) {
    case CM_ACTIVATE: SendActivationToForms(); return false;
    case WM_PREPAREMENUWINDOW: PrepareMenuWindow(manager, message.LParam); return true;
    case WM_WINDOWPOSCHANGED: HideAtShutDown(manager, message); return false;
    case WM_SYSCOMMAND: return SystemCommand(manager, message.WParam);
    default: return false;
  }
}

bool MainFormSystemCommand(TCustomForm& form, TMessage& message) {
  TsSkinManager* manager = TsSkinManager::DefaultManager();
  if (!manager || &form != Application->MainForm() || message.Msg != WM_SYSCOMMAND) return false;
  TsHookMessage m{message.Msg, message.WParam, message.LParam, message.Result};
  const bool handled = manager->MainWindowHook(m);
  message.Result = m.Result;
  return handled;
}

}  // namespace skin
