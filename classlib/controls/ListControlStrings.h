#pragma once
// The items of a combo box or list box. The list is kept here and mirrored
// into the window whenever it exists, so items survive the window being made
// again; sorting is ours (case-insensitive, the user's locale), not the
// window's.
#include <windows.h>

#include <vector>

#include "classlib/core/Strings.h"

namespace classlib {

class TWinControl;

// The window messages of one kind of list window.
struct TListMessages {
  UINT AddString, InsertString, DeleteString, ResetContent, SetItemData;
};
extern const TListMessages kComboBoxMessages;
extern const TListMessages kListBoxMessages;

class TListControlStrings : public TStrings {
 public:
  TListControlStrings(TWinControl& control, const TListMessages& messages);

  int Count() const override { return static_cast<int>(items_.size()); }
  std::wstring Strings(int index) const override;
  void SetStrings(int index, const std::wstring& s) override;
  TObject* Objects(int index) const override;
  void SetObjects(int index, TObject* object) override;
  int Add(const std::wstring& s) override;
  void Insert(int index, const std::wstring& s) override;
  void Delete(int index) override;
  void Clear() override;
  int IndexOf(const std::wstring& s) const override;

  bool Sorted() const { return sorted_; }
  void SetSorted(bool value);
  // Fills a newly made window with the items.
  void LoadIntoWindow(HWND window);

 private:
  struct Item {
    std::wstring Text;
    TObject* Object = nullptr;
  };
  void Check(int index) const;
  void InsertItem(int index, Item item);
  HWND Window() const;

  TWinControl& control_;
  const TListMessages& messages_;
  std::vector<Item> items_;
  bool sorted_ = false;
};

}  // namespace classlib
