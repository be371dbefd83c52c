#pragma once
// Single-line edit over the system "EDIT" class. OnChange runs when the text
// really changes: EN_CHANGE from the window, or SetText without a window;
// setting the text it already has does nothing.
#include "classlib/controls/WinControl.h"

namespace classlib {

class TCustomEdit : public TWinControl {
 public:
  explicit TCustomEdit(TComponent* owner);

  int SelStart() const;
  void SetSelStart(int value);
  int SelLength() const;
  void SetSelLength(int value);
  std::wstring SelText() const;
  void SetSelText(const std::wstring& value);
  void SelectAll();
  void Clear() { SetText(L""); }
  void ClearSelection() { SetSelText(L""); }
  void CutToClipboard();
  void CopyToClipboard();
  void PasteFromClipboard();
  void Undo();
  // The last change can be undone (false without a window).
  bool CanUndo() const;
  bool Modified() const;
  void SetModified(bool value);

  // 0 shows the text in clear.
  wchar_t PasswordChar() const { return passwordChar_; }
  void SetPasswordChar(wchar_t value);
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool value);
  // 0 means no limit.
  int MaxLength() const { return maxLength_; }
  void SetMaxLength(int value);
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle value);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);

  TNotifyEvent OnChange;

 protected:
  void WndProc(TMessage& message) override;
  void CreateParams(TCreateParams& params) override;
  void CreateWindowDone() override;
  virtual void Change();
  // The limit given to EM_LIMITTEXT for MaxLength 0.
  virtual int DefaultTextLimit() const { return 0; }

 private:
  wchar_t passwordChar_ = 0;
  bool readOnly_ = false;
  int maxLength_ = 0;
  TBorderStyle borderStyle_ = bsSingle;
  TAlignment alignment_ = taLeftJustify;
  bool creating_ = false;
  int selStart_ = 0, selLength_ = 0;
};

class TEdit : public TCustomEdit {
 public:
  using TCustomEdit::TCustomEdit;
};

}  // namespace classlib
