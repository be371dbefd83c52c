#include "skin/adapters/AdapterServices.h"

#include <memory>

#include "skin/adapters/DialogProviders.h"
#include "skin/adapters/EditWnd.h"
#include "skin/adapters/HotWindow.h"
#include "skin/adapters/MnuWnd.h"
#include "skin/adapters/ThirdPartyAdapters.h"
#include "skin/common/DialogHook.h"
#include "skin/common/HotTracking.h"
#include "skin/controls/sComboBox.h"

namespace skin::adapters {
namespace {

// The combo box owns its list's adapter through this link; freeing the link
// unhooks the list (or only frees the adapter when the list is gone).
class ComboListLink final : public TsComboListLink {
 public:
  explicit ComboListLink(TacComboListWnd* adapter) : adapter_(adapter) {}
  void SkinMessage(classlib::TMessage& message) override {
    if (!adapter_->Destroyed) adapter_->AdapterWndProc(message);
  }

 private:
  std::unique_ptr<TacComboListWnd> adapter_;
};

}  // namespace

void InstallAdapterServices() {
  SetComboListLinkMaker([](HWND list, bool simple, TsSkinManager* manager) -> std::unique_ptr<TsComboListLink> {
    if (!list) return nullptr;
    return std::make_unique<ComboListLink>(MakeComboListAdapter(list, simple, true, L"", manager, nullptr));
  });
  // One hot control for skinned and adapted windows alike: the manager's.
  SetHotWindowHandler([](TsSkinManager&, HWND wnd) { SetActiveControl(wnd); });
  // The creation hook skins forms made without a provider, raw system
  // dialogs and pop-up menu windows.
  TsDialogHookServices& hook = DialogHookServices();
  hook.Proc = DialogHookProc;
  if (!hook.FreeMenuAdapters) hook.FreeMenuAdapters = FreeMenuAdapters;
  if (!hook.FreeAdapterList) hook.FreeAdapterList = FreeAllProviders;
  // Foreign controls listed with the skin manager get their adapters here.
  InstallThirdPartyAdapters();
}

}  // namespace skin::adapters
