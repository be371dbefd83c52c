#pragma once
// Push buttons over the system "BUTTON" class. A click comes from the
// button's BN_CLICKED (reflected as CN_COMMAND), never from the mouse
// messages themselves; Enter clicks the default button and Escape the cancel
// button of the form (CM_DIALOGKEY).
#include "classlib/controls/WinControl.h"

namespace classlib {

class TButtonControl : public TWinControl {
 public:
  explicit TButtonControl(TComponent* owner);

  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool value);

 protected:
  // While set, changing the checked state does not run Click.
  bool ClicksDisabled() const { return clicksDisabled_; }
  void SetClicksDisabled(bool value) { clicksDisabled_ = value; }

 private:
  bool wordWrap_ = false;
  bool clicksDisabled_ = false;
};

class TButton : public TButtonControl {
 public:
  explicit TButton(TComponent* owner);

  bool Default() const { return default_; }
  void SetDefault(bool value);
  bool Cancel() const { return cancel_; }
  void SetCancel(bool value) { cancel_ = value; }
  TModalResult ModalResult() const { return modalResult_; }
  void SetModalResult(TModalResult value) { modalResult_ = value; }

  // Sets the form's ModalResult to this button's, then runs OnClick.
  void Click() override;

 protected:
  void WndProc(TMessage& message) override;
  void CreateParams(TCreateParams& params) override;
  // Shows the button as the default one or not (BM_SETSTYLE).
  virtual void SetButtonStyle(bool isDefault);
  bool Active() const { return active_; }

 private:
  bool default_ = false;
  bool cancel_ = false;
  bool active_ = false;
  TModalResult modalResult_ = mrNone;
};

}  // namespace classlib
