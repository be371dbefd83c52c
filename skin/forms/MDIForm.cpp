#include "skin/forms/MDIForm.h"

#include "classlib/controls/Forms.h"
#include "skin/forms/sSkinProvider.h"

namespace skin {

using namespace classlib;

namespace {

TacMDIClientAdapterMaker& Maker() {
  static TacMDIClientAdapterMaker maker;
  return maker;
}

}  // namespace

void SetMDIClientAdapterMaker(TacMDIClientAdapterMaker maker) { Maker() = std::move(maker); }

TsMDIForm::TsMDIForm(TsSkinProvider* provider) : form_(provider->Form()), provider_(provider) {
  if (form_) form_->HandleNeeded();
}

TsMDIForm::~TsMDIForm() { DetachClient(); }

void TsMDIForm::ConnectToClient() {
  if (provider_->ComponentState().Contains(csDesigning) || wnd_) return;
  AttachClient();
}

void TsMDIForm::AttachClient() {
  DetachClient();
  if (!form_ || !provider_->SkinData()->Skinned(false) || !Maker()) return;
  HWND client = form_->ClientHandle();
  if (!client) return;
  wnd_ = Maker()(client, provider_->SkinData()->SkinManager(), form_, provider_);
}

void TsMDIForm::DetachClient() { wnd_.reset(); }

void TsMDIForm::UpdateMenuLine() { provider_->RequestRepaint(); }

}  // namespace skin
