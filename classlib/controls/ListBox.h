#pragma once
// List box over the system "LISTBOX" class. Setting ItemIndex runs no event;
// the user's selection runs OnClick, a double click OnDblClick.
#include <memory>

#include "classlib/controls/ListControlStrings.h"
#include "classlib/controls/WinControl.h"
#include "classlib/graphics/Canvas.h"
#include "classlib/menus/MenusOwnerDrawState.h"

namespace classlib {

enum TListBoxStyle { lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable };

class TCustomListBox : public TWinControl {
 public:
  explicit TCustomListBox(TComponent* owner);
  ~TCustomListBox() override;

  TStrings* Items() const { return items_.get(); }
  void SetItems(const TStrings* value) { items_->Assign(value); }
  int ItemIndex() const;
  void SetItemIndex(int value);
  bool Sorted() const { return items_->Sorted(); }
  void SetSorted(bool value) { items_->SetSorted(value); }
  TListBoxStyle Style() const { return style_; }
  void SetStyle(TListBoxStyle value);
  int ItemHeight() const { return itemHeight_; }
  void SetItemHeight(int value);
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle value);
  int TopIndex() const;
  void SetTopIndex(int value);
  void Clear();
  TCanvas* Canvas() const { return canvas_.get(); }

 protected:
  void WndProc(TMessage& message) override;
  void CreateParams(TCreateParams& params) override;
  void CreateWindowDone() override;
  void DestroyWnd() override;
  virtual void DrawItem(int index, const TRect& rect, TOwnerDrawState state);

 private:
  std::unique_ptr<TListControlStrings> items_;
  std::unique_ptr<TCanvas> canvas_;
  int itemIndex_ = -1;
  TListBoxStyle style_ = lbStandard;
  int itemHeight_ = 16;
  TBorderStyle borderStyle_ = bsSingle;
};

class TListBox : public TCustomListBox {
 public:
  using TCustomListBox::TCustomListBox;
};

}  // namespace classlib
