#include "classlib/controls/CheckBox.h"

namespace classlib {

TCustomCheckBox::TCustomCheckBox(TComponent* owner) : TButtonControl(owner) {
  StoreBounds(0, 0, 97, 17);
  SetColor(clBtnFace);
  SetParentColor(true);
}

void TCustomCheckBox::SetState(TCheckBoxState value) {
  if (state_ == value) return;
  state_ = value;
  if (HandleAllocated()) SendMessageW(Handle(), BM_SETCHECK, static_cast<WPARAM>(value), 0);
  if (!ClicksDisabled()) Click();
}

void TCustomCheckBox::SetAlignment(TAlignment value) {
  if (alignment_ == value) return;
  alignment_ = value;
  RecreateWnd();
}

void TCustomCheckBox::Toggle() {
  switch (state_) {
    case cbUnchecked: SetState(cbChecked); break;
    case cbChecked: SetState(allowGrayed_ ? cbGrayed : cbUnchecked); break;
    case cbGrayed: SetState(cbUnchecked); break;
  }
}

void TCustomCheckBox::Click() {
  Perform(CM_CHANGED, 0, reinterpret_cast<LPARAM>(this));
  TButtonControl::Click();
}

void TCustomCheckBox::CreateParams(TCreateParams& p) {
  TButtonControl::CreateParams(p);
  CreateSubClass(p, L"BUTTON");
  p.Style |= BS_3STATE;
  if (alignment_ == taLeftJustify) p.Style |= BS_LEFTTEXT;
  if (WordWrap()) p.Style |= BS_MULTILINE;
}

void TCustomCheckBox::CreateWindowDone() {
  SendMessageW(Handle(), BM_SETCHECK, static_cast<WPARAM>(state_), 0);
}

void TCustomCheckBox::WndProc(TMessage& m) {
  if (m.Msg == CN_COMMAND) {
    if (HIWORD(m.WParam) == BN_CLICKED) Toggle();
    return;
  }
  TButtonControl::WndProc(m);
}

}  // namespace classlib
