#include "skin/common/SkinnedFormPasses.h"

#include <windows.h>

#include "classlib/controls/Application.h"
#include "skin/common/ControlUtils.h"
#include "skin/common/LayeredImages.h"
#include "skin/common/SkinBroadcasts.h"
#include "skin/common/SkinnedFormState.h"
#include "skin/common/WindowAnimations.h"
#include "skin/common/sCommonData.h"
#include "skin/manager/sSkinManager.h"

namespace skin {

using namespace classlib;

namespace {

// The application's forms minimise with the main form (the application
// window of this class library stays hidden).
bool MainWindowMinimized() {
  TCustomForm* main = Application->MainForm();
  if (main && main->HandleAllocated() && IsIconic(main->Handle())) return true;
  return Application->HandleAllocated() && IsIconic(Application->Handle());
}

bool Busy(const TsSkinManager& manager) {
  const TComponentState state = manager.ComponentState();
  return state.Contains(csDesigning) || state.Contains(csLoading) || state.Contains(csReading);
}

void RaiseAnimationFlag(const TsSkinManager& manager) {
  if (manager.IsDefault() && manager.AnimEffects()->SkinChanging()->Active()) SetAnimationRunning(true);
}

// The provider of a top-level, visible, non-MDI-child form skinned by the manager.
TsSkinnedForm* ProviderOf(TCustomForm* form, const TsSkinManager& manager, bool notMinimized) {
  if (!form || Destroying(form) || form->FormStyle() == fsMDIChild || form->Parent() || !form->Visible())
    return nullptr;
  if (notMinimized && form->WindowState() == wsMinimized) return nullptr;
  TsSkinnedForm* provider = SkinnedFormOf(form);
  if (!provider || !provider->SkinData() || provider->SkinData()->SkinManager() != &manager) return nullptr;
  return provider;
}

HWND BorderWindowOf(const TsSkinnedForm& provider) {
  TsExtBorder* border = provider.ExtBorder();
  return border ? border->BorderWindow() : nullptr;
}

std::uint8_t FormAlpha(const TCustomForm& form) { return form.AlphaBlend() ? form.AlphaBlendValue() : 255; }

void SetRedraw(TCustomForm& form, bool on) {
  if (form.HandleAllocated()) SendMessageW(form.Handle(), WM_SETREDRAW, on ? 1 : 0, 0);
}

void ReshowMaximized(TCustomForm& form) {
  const HWND wnd = form.Handle();
  const HWND active = GetActiveWindow();
  SetWindowLongW(wnd, GWL_STYLE, GetWindowLongW(wnd, GWL_STYLE) & ~WS_VISIBLE);
  ShowWindow(wnd, SW_MAXIMIZE);
  SetWindowLongW(wnd, GWL_STYLE, GetWindowLongW(wnd, GWL_STYLE) | WS_VISIBLE);
  if (active) SetActiveWindow(active);
}

void Thaw(TsSkinManager& manager, TCustomForm& form, TsSkinnedForm& provider) {
  const TacSkinChanging& changing = *manager.AnimEffects()->SkinChanging();
  if (changing.Active()) {
    if (provider.DrawNonClientArea())
      AnimChange(&form, changing.Time(), FormAlpha(form), changing.Mode());
    else
      AnimChange(&form, 0, 255, atFading);
  }
  provider.ExcludeState(sfsSnapshotTaken);
  if (form.WindowState() == wsMaximized && BorderWindowOf(provider)) ReshowMaximized(form);
  provider.SetSkinChanging(false);
  if (!form.HandleAllocated()) return;
  if (provider.DrawNonClientArea()) {
    provider.InitRegionRects();
    provider.ApplyWindowRegion(true);
    RedrawWindow(form.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    if (HWND border = BorderWindowOf(provider)) {
      SetWindowRgn(border, provider.ExtBorder()->MakeRgn(0, 0), FALSE);
      provider.ExtBorder()->UpdateExBorders(true, 255);
    }
  } else {
    RedrawWindow(form.Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
  }
}

}  // namespace

void SnapshotSkinnedForms(TsSkinManager& manager) {
  if (Busy(manager) || MainWindowMinimized()) return;
  RaiseAnimationFlag(manager);
  for (TCustomForm* form : SkinnedFormList()) {
    if (!IsSkinnedForm(form)) continue;
    TsSkinnedForm* provider = ProviderOf(form, manager, true);
    if (!provider) continue;
    if (BorderWindowOf(*provider)) {
      provider->IncludeState(sfsSnapshotTaken);
      provider->SetSnapshot(provider->CreateFormImage(false));
    }
    provider->SetSkinChanging(true);
  }
}

void LockSkinnedForms(TsSkinManager& manager) {
  if (MainWindowMinimized()) return;
  RaiseAnimationFlag(manager);
  for (TCustomForm* form : SkinnedFormList()) {
    if (!IsSkinnedForm(form) || !dynamic_cast<TForm*>(form) || !form->HandleAllocated() ||
        !IsWindowVisible(form->Handle()))
      continue;
    TsSkinnedForm* provider = ProviderOf(form, manager, true);
    if (!provider) continue;
    provider->SetSkinChanging(true);
    provider->IncludeState(sfsSkinChangeLock);
    if (HWND border = BorderWindowOf(*provider)) {
      if (TBitmap* snapshot = provider->Snapshot()) BlitToLayeredWindow(border, *snapshot, FormAlpha(*form));
      SetWindowRgn(border, provider->ExtBorder()->MakeRgn(0, 0), FALSE);
    }
    SetRedraw(*form, false);
  }
}

void UnlockSkinnedForms(TsSkinManager& manager, bool animated) {
  if (manager.IsDefault()) SetAnimationRunning(false);
  if (MainWindowMinimized()) return;
  for (TCustomForm* form : SkinnedFormList()) {
    if (!IsSkinnedForm(form)) continue;
    TsSkinnedForm* provider = ProviderOf(form, manager, false);
    if (provider && provider->HasState(sfsSkinChangeLock)) SetRedraw(*form, true);
  }
  for (TCustomForm* form : SkinnedFormList()) {
    if (!IsSkinnedForm(form)) continue;
    TsSkinnedForm* provider = ProviderOf(form, manager, true);
    if (!provider || !provider->HasState(sfsSkinChangeLock)) continue;
    if (animated) {
      Thaw(manager, *form, *provider);
    } else {
      provider->ExcludeState(sfsSnapshotTaken);
      provider->SetSkinChanging(false);
      SetRedraw(*form, true);
    }
    provider->ExcludeState(sfsSkinChangeLock);
  }
}

void DropSkinnedFormSnapshots(TsSkinManager& manager) {
  if (manager.IsDefault()) SetAnimationRunning(false);
  for (TCustomForm* form : SkinnedFormList()) {
    if (!IsSkinnedForm(form)) continue;
    TsSkinnedForm* provider = ProviderOf(form, manager, false);
    if (!provider || provider->HasState(sfsSkinChangeLock)) continue;
    provider->ExcludeState(sfsSnapshotTaken);
    provider->SetSnapshot(nullptr);
    provider->SetSkinChanging(false);
  }
}

}  // namespace skin
