#include "classlib/controls/Edit.h"

namespace classlib {

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
  ControlStyle() = TControlStyle{csClickEvents, csSetCaption, csDoubleClicks, csFixedHeight};
  StoreBounds(0, 0, 121, 21);
  SetTabStop(true);
  SetParentColor(false);
  SetColor(clWindow);
}

void TCustomEdit::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  CreateSubClass(p, L"EDIT");
  p.Style |= ES_AUTOHSCROLL | ES_AUTOVSCROLL;
  if (passwordChar_) p.Style |= ES_PASSWORD;
  if (readOnly_) p.Style |= ES_READONLY;
  if (alignment_ == taRightJustify) p.Style |= ES_RIGHT;
  if (alignment_ == taCenter) p.Style |= ES_CENTER;
  if (borderStyle_ == bsSingle) p.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomEdit::CreateWindowDone() {
  HWND h = Handle();
  creating_ = true;
  SendMessageW(h, EM_LIMITTEXT, static_cast<WPARAM>(maxLength_ ? maxLength_ : DefaultTextLimit()), 0);
  if (passwordChar_) SendMessageW(h, EM_SETPASSWORDCHAR, passwordChar_, 0);
  SendMessageW(h, EM_SETSEL, static_cast<WPARAM>(selStart_), selStart_ + selLength_);
  creating_ = false;
}

void TCustomEdit::Change() {
  if (OnChange) OnChange(this);
}

void TCustomEdit::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CN_COMMAND:
      if (HIWORD(m.WParam) == EN_CHANGE && !creating_) Change();
      return;
    case CM_TEXTCHANGED:
      // With a window EN_CHANGE tells; without one nothing else would.
      if (!HandleAllocated()) Change();
      break;
    case WM_NCDESTROY:
      if (HandleAllocated()) {
        DWORD start = 0, end = 0;
        SendMessageW(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        selStart_ = static_cast<int>(start);
        selLength_ = static_cast<int>(end - start);
      }
      break;
    default:
      break;
  }
  TWinControl::WndProc(m);
}

int TCustomEdit::SelStart() const {
  if (!HandleAllocated()) return selStart_;
  DWORD start = 0;
  SendMessageW(const_cast<TCustomEdit*>(this)->Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
  return static_cast<int>(start);
}

void TCustomEdit::SetSelStart(int value) {
  selStart_ = value;
  selLength_ = 0;
  if (HandleAllocated()) SendMessageW(Handle(), EM_SETSEL, static_cast<WPARAM>(value), value);
}

int TCustomEdit::SelLength() const {
  if (!HandleAllocated()) return selLength_;
  DWORD start = 0, end = 0;
  SendMessageW(const_cast<TCustomEdit*>(this)->Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  return static_cast<int>(end - start);
}

void TCustomEdit::SetSelLength(int value) {
  const int start = SelStart();
  selStart_ = start;
  selLength_ = value;
  if (HandleAllocated()) SendMessageW(Handle(), EM_SETSEL, static_cast<WPARAM>(start), start + value);
}

std::wstring TCustomEdit::SelText() const {
  const std::wstring text = Text();
  const size_t start = std::min(static_cast<size_t>(std::max(SelStart(), 0)), text.size());
  return text.substr(start, static_cast<size_t>(std::max(SelLength(), 0)));
}

void TCustomEdit::SetSelText(const std::wstring& value) {
  HWND h = Handle();
  SendMessageW(h, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(value.c_str()));
}

void TCustomEdit::SelectAll() {
  if (HandleAllocated()) SendMessageW(Handle(), EM_SETSEL, 0, -1);
}

void TCustomEdit::CutToClipboard() { SendMessageW(Handle(), WM_CUT, 0, 0); }
void TCustomEdit::CopyToClipboard() { SendMessageW(Handle(), WM_COPY, 0, 0); }
void TCustomEdit::PasteFromClipboard() { SendMessageW(Handle(), WM_PASTE, 0, 0); }
void TCustomEdit::Undo() { SendMessageW(Handle(), EM_UNDO, 0, 0); }

bool TCustomEdit::CanUndo() const {
  return HandleAllocated() && SendMessageW(const_cast<TCustomEdit*>(this)->Handle(), EM_CANUNDO, 0, 0) != 0;
}

bool TCustomEdit::Modified() const {
  return HandleAllocated() && SendMessageW(const_cast<TCustomEdit*>(this)->Handle(), EM_GETMODIFY, 0, 0) != 0;
}

void TCustomEdit::SetModified(bool value) {
  if (HandleAllocated()) SendMessageW(Handle(), EM_SETMODIFY, value ? TRUE : FALSE, 0);
}

void TCustomEdit::SetPasswordChar(wchar_t value) {
  if (passwordChar_ == value) return;
  passwordChar_ = value;
  if (HandleAllocated()) {
    SendMessageW(Handle(), EM_SETPASSWORDCHAR, value, 0);
    Invalidate();
  }
}

void TCustomEdit::SetReadOnly(bool value) {
  if (readOnly_ == value) return;
  readOnly_ = value;
  if (HandleAllocated()) SendMessageW(Handle(), EM_SETREADONLY, value ? TRUE : FALSE, 0);
}

void TCustomEdit::SetMaxLength(int value) {
  if (value < 0) value = 0;
  if (maxLength_ == value) return;
  maxLength_ = value;
  if (HandleAllocated()) SendMessageW(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(value ? value : DefaultTextLimit()), 0);
}

void TCustomEdit::SetBorderStyle(TBorderStyle value) {
  if (value != bsNone) value = bsSingle;
  if (borderStyle_ == value) return;
  borderStyle_ = value;
  RecreateWnd();
}

void TCustomEdit::SetAlignment(TAlignment value) {
  if (alignment_ == value) return;
  alignment_ = value;
  RecreateWnd();
}

}  // namespace classlib
