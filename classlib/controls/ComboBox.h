#pragma once
// Combo box over the system "COMBOBOX" class. Setting ItemIndex or Items
// runs no event; OnChange follows the user's selection (CBN_SELCHANGE) and
// typing in the edit part (CBN_EDITCHANGE). Owner-drawn styles paint items in
// the virtual DrawItem through Canvas; the state there is bit-equal to
// ODS_*. The inner edit (csDropDown, csSimple) is subclassed: its messages
// pass through the virtual EditWndProc first.
#include <memory>

#include "classlib/controls/ListControlStrings.h"
#include "classlib/controls/WinControl.h"
#include "classlib/controls/WindowSubclass.h"
#include "classlib/graphics/Canvas.h"
#include "classlib/menus/MenusOwnerDrawState.h"

namespace classlib {

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };

class TCustomComboBox : public TWinControl {
 public:
  explicit TCustomComboBox(TComponent* owner);
  ~TCustomComboBox() override;

  TComboBoxStyle Style() const { return style_; }
  void SetStyle(TComboBoxStyle value);
  TStrings* Items() const { return items_.get(); }
  void SetItems(const TStrings* value) { items_->Assign(value); }
  int ItemIndex() const;
  void SetItemIndex(int value);
  int ItemHeight() const { return itemHeight_; }
  void SetItemHeight(int value);
  int DropDownCount() const { return dropDownCount_; }
  void SetDropDownCount(int value);
  bool DroppedDown() const;
  void SetDroppedDown(bool value);
  bool Sorted() const { return items_->Sorted(); }
  void SetSorted(bool value) { items_->SetSorted(value); }
  int MaxLength() const { return maxLength_; }
  void SetMaxLength(int value);
  void Clear();
  TCanvas* Canvas() const { return canvas_.get(); }

  // The inner edit and the drop-down list windows (null when there is none).
  HWND EditHandle() const { return editHandle_; }
  HWND ListHandle() const { return listHandle_; }

  void SetBounds(int left, int top, int width, int height) override;

  TNotifyEvent OnChange, OnDropDown, OnCloseUp, OnSelect;

 protected:
  void WndProc(TMessage& message) override;
  void CreateParams(TCreateParams& params) override;
  void CreateWindowDone() override;
  void DestroyWnd() override;
  std::wstring GetText() const override;
  void SetTextBuf(const std::wstring& value) override;
  virtual void DrawItem(int index, const TRect& rect, TOwnerDrawState state);
  virtual void MeasureItem(int index, int& height);
  virtual void Change();
  virtual void DropDown();
  virtual void CloseUp();
  virtual void Select();
  // Messages of the inner edit; the default passes them to its procedure.
  virtual void EditWndProc(TMessage& message);
  void CallEditDefault(TMessage& message);

 private:
  bool OwnerDraw() const { return style_ == csOwnerDrawFixed || style_ == csOwnerDrawVariable; }
  int WindowHeight(int height) const;

  std::unique_ptr<TListControlStrings> items_;
  std::unique_ptr<TCanvas> canvas_;
  std::unique_ptr<TWindowSubclass> editSubclass_;
  TComboBoxStyle style_ = csDropDown;
  int itemIndex_ = -1;
  int itemHeight_ = 16;
  int dropDownCount_ = 8;
  int maxLength_ = 0;
  HWND editHandle_ = nullptr;
  HWND listHandle_ = nullptr;
};

class TComboBox : public TCustomComboBox {
 public:
  using TCustomComboBox::TCustomComboBox;
};

}  // namespace classlib
