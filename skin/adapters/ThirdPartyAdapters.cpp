#include "skin/adapters/ThirdPartyAdapters.h"

#include "skin/adapters/ButtonWnd.h"
#include "skin/adapters/ComboBoxWnd.h"
#include "skin/adapters/EditWnd.h"
#include "skin/adapters/GridWnd.h"
#include "skin/adapters/ListViewWnd.h"
#include "skin/adapters/SmallWnd.h"
#include "skin/adapters/SpinWnd.h"
#include "skin/adapters/TabWnd.h"
#include "skin/adapters/ToolBarWnd.h"
#include "skin/adapters/TrackWnd.h"
#include "skin/adapters/VirtualTreeWnd.h"
#include "skin/adapters/MDIWnd.h"
#include "skin/forms/CtrlAdapter.h"
#include "skin/forms/MDIForm.h"
#include "skin/forms/sSkinProvider.h"

namespace skin::adapters {
namespace {

template <class T>
std::unique_ptr<TacMainWnd> Make(HWND window, const std::wstring& section, TsSkinManager* manager,
                                 TsCommonData* skinData) {
  return std::unique_ptr<TacMainWnd>(MakeAdapter<T>(window, true, section, manager, skinData));
}

// The forms layer's view of an adapter it owns.
class AdaptedWindow final : public TacAdaptedWindow {
 public:
  explicit AdaptedWindow(std::unique_ptr<TacMainWnd> adapter) : adapter_(std::move(adapter)) {}
  bool Destroyed() const override { return adapter_->Destroyed; }
  HWND Window() const override { return adapter_->CtrlHandle; }

 private:
  std::unique_ptr<TacMainWnd> adapter_;
};

}  // namespace

std::unique_ptr<TacMainWnd> MakeThirdPartyAdapter(int kind, HWND window, const std::wstring& section,
                                                  TsSkinManager* manager, TsCommonData* skinData) {
  switch (kind) {
    case 0: return Make<TacEditWnd>(window, section, manager, skinData);
    case 1: return Make<TacBtnWnd>(window, section, manager, skinData);
    case 2: return Make<TacBitBtnWnd>(window, section, manager, skinData);
    case 3: return Make<TacCheckBoxWnd>(window, section, manager, skinData);
    case 4: return Make<TacComboBoxWnd>(window, section, manager, skinData);
    case 5: return Make<TacGridWnd>(window, section, manager, skinData);
    case 6: return Make<TacGroupBoxWnd>(window, section, manager, skinData);
    case 7: return Make<TacListViewWnd>(window, section, manager, skinData);
    case 8: return Make<TacPanelWnd>(window, section, manager, skinData);
    case 9: return Make<TacTreeViewWnd>(window, section, manager, skinData);
    case 10: return Make<TacWWComboBoxWnd>(window, section, manager, skinData);
    case 11: return Make<TacGridEhWnd>(window, section, manager, skinData);
    case 12: return Make<TacVirtualTreeViewWnd>(window, section, manager, skinData);
    case 13: return Make<TacPageControlWnd>(window, section, manager, skinData);
    case 14: return Make<TacTabControlWnd>(window, section, manager, skinData);
    case 15: return Make<TacToolBarVCLWnd>(window, section, manager, skinData);
    case 16: return Make<TacStatusBarWnd>(window, section, manager, skinData);
    case 18: return Make<TacEditWnd>(window, section, manager, skinData);
    case 19: return Make<TacSpinWnd>(window, section, manager, skinData);
    case 20: return Make<TacSBWnd>(window, section, manager, skinData);
    default: return nullptr;  // 17, speed buttons: no window adapter
  }
}

void InstallThirdPartyAdapters() {
  SetWindowAdapterMaker([](int kind, HWND window, const std::wstring& section, TsSkinManager* manager,
                           TsCommonData* skinData) -> std::unique_ptr<TacAdaptedWindow> {
    auto adapter = MakeThirdPartyAdapter(kind, window, section, manager, skinData);
    if (!adapter) return nullptr;
    return std::make_unique<AdaptedWindow>(std::move(adapter));
  });
  // The MDI client of a skinned main form: the area behind the children
  // takes the form's skinned picture.
  SetMDIClientAdapterMaker([](HWND client, TsSkinManager* manager, classlib::TCustomForm* form,
                              TsSkinProvider* provider) -> std::unique_ptr<TacAdaptedWindow> {
    std::unique_ptr<TacMDIWnd> adapter(MakeAdapter<TacMDIWnd>(client, true, L"CHECKBOX", manager, nullptr));
    adapter->Attach(form, provider->SkinData(), provider);
    // The adapter lives in the provider's MDI support: it never outlives it.
    adapter->OnMenuLineChange = [provider] {
      if (TsMDIForm* mdi = provider->MDIForm()) mdi->UpdateMenuLine();
    };
    return std::make_unique<AdaptedWindow>(std::move(adapter));
  });
}

}  // namespace skin::adapters
