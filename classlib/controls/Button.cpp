#include "classlib/controls/Button.h"

#include "classlib/controls/Forms.h"

namespace classlib {

TButtonControl::TButtonControl(TComponent* owner) : TWinControl(owner) {
  ControlStyle() = TControlStyle{csSetCaption, csOpaque, csDoubleClicks};
  SetTabStop(true);
}

void TButtonControl::SetWordWrap(bool value) {
  if (wordWrap_ == value) return;
  wordWrap_ = value;
  RecreateWnd();
}

TButton::TButton(TComponent* owner) : TButtonControl(owner) {
  StoreBounds(0, 0, 75, 25);
  SetColor(clBtnFace);
}

void TButton::SetDefault(bool value) {
  if (default_ == value) return;
  default_ = value;
  TCustomForm* form = GetParentForm();
  const bool otherButtonFocused = form && dynamic_cast<TButton*>(form->ActiveControl()) && form->ActiveControl() != this;
  if (!otherButtonFocused) SetButtonStyle(value);
}

void TButton::Click() {
  if (TCustomForm* form = GetParentForm(); form && modalResult_ != mrNone) form->SetModalResult(modalResult_);
  TButtonControl::Click();
}

void TButton::CreateParams(TCreateParams& p) {
  TButtonControl::CreateParams(p);
  CreateSubClass(p, L"BUTTON");
  p.Style |= active_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
  if (WordWrap()) p.Style |= BS_MULTILINE;
}

void TButton::SetButtonStyle(bool isDefault) {
  active_ = isDefault;
  if (HandleAllocated()) SendMessageW(Handle(), BM_SETSTYLE, isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void TButton::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CN_COMMAND:
      if (HIWORD(m.WParam) == BN_CLICKED) Click();
      return;
    case CM_DIALOGKEY:
      if (((m.WParam == VK_RETURN && active_) || (m.WParam == VK_ESCAPE && cancel_)) && CanFocus() &&
          !(KeyboardShiftState().Contains(ssAlt))) {
        Click();
        m.Result = 1;
        return;
      }
      break;
    case CM_DIALOGCHAR:
      if (IsAccel(static_cast<wchar_t>(m.WParam), Caption()) && CanFocus()) {
        Click();
        m.Result = 1;
        return;
      }
      break;
    case CM_FOCUSCHANGED: {
      auto* focused = reinterpret_cast<TWinControl*>(m.LParam);
      SetButtonStyle(dynamic_cast<TButton*>(focused) ? focused == this : default_);
      break;
    }
    case WM_LBUTTONDBLCLK:
      // A quick second press is a second click, not a double click.
      m.Msg = WM_LBUTTONDOWN;
      break;
    default:
      break;
  }
  TButtonControl::WndProc(m);
}

}  // namespace classlib
