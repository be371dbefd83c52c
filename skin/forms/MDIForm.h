#pragma once
// The MDI support of a skinned main form: the MDI client window gets the
// client adapter (so the area behind the children is skinned), and the
// children ask through it for the menu line to be repainted.
// The adapter lives in the layer above: it is made through
// SetMDIClientAdapterMaker, filled at start-up.
#include <windows.h>

#include <functional>
#include <memory>

#include "classlib/core/Persistent.h"
#include "skin/forms/CtrlAdapter.h"

namespace classlib {
class TCustomForm;
}

namespace skin {

class TsSkinProvider;

using TacMDIClientAdapterMaker = std::function<std::unique_ptr<TacAdaptedWindow>(
    HWND client, TsSkinManager* manager, classlib::TCustomForm* form, TsSkinProvider* provider)>;
void SetMDIClientAdapterMaker(TacMDIClientAdapterMaker maker);

class TsMDIForm : public classlib::TPersistent {
 public:
  // Makes sure the form's window (and with it the MDI client) exists.
  explicit TsMDIForm(TsSkinProvider* provider);
  ~TsMDIForm() override;

  // At run time, when no adapter is attached yet.
  void ConnectToClient();
  // Wraps the MDI client when the provider is skinned (else leaves it alone).
  void AttachClient();
  void DetachClient();
  // The menu line is recomputed and the whole frame repainted.
  void UpdateMenuLine();

  classlib::TCustomForm* Form() const { return form_; }
  TacAdaptedWindow* Wnd() const { return wnd_.get(); }
  TsSkinProvider* Provider() const { return provider_; }

 private:
  classlib::TCustomForm* form_;
  std::unique_ptr<TacAdaptedWindow> wnd_;
  TsSkinProvider* provider_;
};

}  // namespace skin
