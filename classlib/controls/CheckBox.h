#pragma once
// Check box over the system "BUTTON" class (BS_3STATE: the state is kept
// here). Toggling by the user or setting a different state runs Click, which
// sends CM_CHANGED and then runs OnClick.
#include "classlib/controls/Button.h"

namespace classlib {

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

class TCustomCheckBox : public TButtonControl {
 public:
  explicit TCustomCheckBox(TComponent* owner);

  TCheckBoxState State() const { return state_; }
  void SetState(TCheckBoxState value);
  virtual bool Checked() const { return state_ == cbChecked; }
  virtual void SetChecked(bool value) { SetState(value ? cbChecked : cbUnchecked); }
  bool AllowGrayed() const { return allowGrayed_; }
  void SetAllowGrayed(bool value) { allowGrayed_ = value; }
  // taRightJustify puts the text right of the box (the default).
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);

  // Moves to the next state: unchecked, checked, grayed (when allowed).
  virtual void Toggle();
  void Click() override;

 protected:
  void WndProc(TMessage& message) override;
  void CreateParams(TCreateParams& params) override;
  void CreateWindowDone() override;

 private:
  TCheckBoxState state_ = cbUnchecked;
  bool allowGrayed_ = false;
  TAlignment alignment_ = taRightJustify;
};

class TCheckBox : public TCustomCheckBox {
 public:
  using TCustomCheckBox::TCustomCheckBox;
};

}  // namespace classlib
