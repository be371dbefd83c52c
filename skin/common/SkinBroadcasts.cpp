#include "skin/common/SkinBroadcasts.h"

#include <vector>

#include "classlib/controls/Application.h"
#include "skin/common/ControlUtils.h"
#include "skin/common/MainWindowHook.h"
#include "skin/common/SkinChanges.h"
#include "skin/common/SkinCommandSend.h"
#include "skin/common/SkinnedFormPasses.h"
#include "skin/manager/SkinBroadcast.h"
#include "skin/manager/sSkinManager.h"

namespace skin {

using namespace classlib;

namespace {

std::vector<TCustomForm*>& SkinnedForms() {
  static std::vector<TCustomForm*> forms;
  return forms;
}


void ServeForm(TCustomForm* form, const TMessage& message) {
  if (form->HandleAllocated()) SendSkinMessage(form->Handle(), message);
  BroadcastToControls(form, message);
}

}  // namespace

bool IsSkinnedForm(const TCustomForm* form) {
  for (TCustomForm* skinned : SkinnedForms())
    if (skinned == form) return true;
  return false;
}

std::vector<TCustomForm*> SkinnedFormList() { return SkinnedForms(); }

void SendEndUpdateToChildren(TWinControl* parent) {
  if (!parent || AnimationRunning()) return;
  for (int i = 0; i < parent->ControlCount(); ++i) {
    TControl* child = parent->Controls(i);
    auto* windowed = dynamic_cast<TWinControl*>(child);
    if (!windowed || Destroying(child)) continue;
    if (windowed->HandleAllocated() && windowed->Showing()) SendSkinCommandToWnd(windowed->Handle(), scEndUpdate, 0);
  }
}

void SendEndUpdateToChildWnds(HWND wnd) {
  for (HWND child = GetTopWindow(wnd); child; child = GetWindow(child, GW_HWNDNEXT))
    if ((GetWindowLongW(child, GWL_STYLE) & WS_CHILD) != 0) SendSkinCommandToWnd(child, scEndUpdate, 0);
}

void BroadcastToControls(TWinControl* control, const TMessage& message) {
  if (!control) return;
  for (int i = 0; i < control->ControlCount(); ++i) {
    TControl* child = control->Controls(i);
    if (Destroying(child)) return;
    auto* windowed = dynamic_cast<TWinControl*>(child);
    if (!windowed || !windowed->HandleAllocated()) {
      PerformSkinMessage(child, message);
    } else if ((SendSkinCommandToWnd(windowed->Handle(), scIsSkinned, 0) & 0xFF) != 0) {
      SendSkinMessage(windowed->Handle(), message);
    } else {
      BroadcastToControls(windowed, message);
    }
  }
}

void SendToChildWindows(HWND wnd, const TMessage& message) {
  struct Walk {
    HWND parent;
    const TMessage* message;
  } walk{wnd, &message};
  EnumChildWindows(
      wnd,
      [](HWND child, LPARAM data) -> BOOL {
        const auto* w = reinterpret_cast<const Walk*>(data);
        if (GetParent(child) == w->parent) SendSkinMessage(child, *w->message);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&walk));
}

void BroadcastToForms(const TMessage& message) {
  TApplication* application = Application;
  for (int i = application->ComponentCount() - 1; i >= 0; --i) {
    if (i >= application->ComponentCount()) return;
    auto* form = dynamic_cast<TForm*>(application->Components(i));
    if (!form || form->FormStyle() == fsMDIChild || Destroying(form) ||
        form->ComponentState().Contains(csLoading))
      continue;
    // Forms that answer code 7 are the skinned ones, served next.
    if (IsSkinnedForm(form) || (form->HandleAllocated() && SendBoolSkinCommand(form->Handle(), scIsSkinned)))
      continue;
    ServeForm(form, message);
  }
  BroadcastToSkinnedForms(message);
}

void BroadcastToSkinnedForms(const TMessage& message) {
  // A served form may add or remove forms: walk a copy, skipping the gone.
  const std::vector<TCustomForm*> forms = SkinnedForms();
  for (TCustomForm* form : forms) {
    if (!IsSkinnedForm(form) || Destroying(form)) continue;
    ServeForm(form, message);
  }
}

int AddSkinnedForm(TCustomForm* form) {
  SkinnedForms().push_back(form);
  return static_cast<int>(SkinnedForms().size());
}

void RemoveSkinnedForm(TCustomForm* form) {
  auto& forms = SkinnedForms();
  for (std::size_t i = 0; i < forms.size();) {
    if (forms[i] == form) {
      forms[i] = forms.back();
      forms.pop_back();
    } else {
      ++i;
    }
  }
}

void InstallSkinBroadcast() {
  static const bool installed = [] {
    SetSkinChangeHandler([](TsSkinManager& manager, TsSkinChange change, bool repaint) {
      switch (change) {
        case TsSkinChange::NewSkin: SendNewSkinToWindows(manager, repaint); break;
        case TsSkinChange::RemoveSkin: SendRemoveSkinToWindows(manager); break;
        case TsSkinChange::Repaint: RepaintSkinnedForms(manager, repaint); break;
        case TsSkinChange::BeforeLoad: SnapshotSkinnedForms(manager); break;
        case TsSkinChange::SnapshotDropped: DropSkinnedFormSnapshots(manager); break;
      }
    });
    SetMainWindowHookHandler(HandleMainWindowMessage);
    return true;
  }();
  (void)installed;
}

}  // namespace skin
