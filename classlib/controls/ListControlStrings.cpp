#include "classlib/controls/ListControlStrings.h"

#include <algorithm>

#include "classlib/core/List.h"
#include "classlib/controls/WinControl.h"

namespace classlib {

const TListMessages kComboBoxMessages{CB_ADDSTRING, CB_INSERTSTRING, CB_DELETESTRING, CB_RESETCONTENT,
                                      CB_SETITEMDATA};
const TListMessages kListBoxMessages{LB_ADDSTRING, LB_INSERTSTRING, LB_DELETESTRING, LB_RESETCONTENT,
                                     LB_SETITEMDATA};

namespace {

int CompareText(const std::wstring& a, const std::wstring& b) {
  return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.c_str(), static_cast<int>(a.size()), b.c_str(),
                        static_cast<int>(b.size())) -
         CSTR_EQUAL;
}

}  // namespace

TListControlStrings::TListControlStrings(TWinControl& control, const TListMessages& messages)
    : control_(control), messages_(messages) {}

HWND TListControlStrings::Window() const {
  return control_.HandleAllocated() ? control_.Handle() : nullptr;
}

void TListControlStrings::Check(int index) const {
  if (index < 0 || index >= Count()) ListIndexError(index);
}

std::wstring TListControlStrings::Strings(int index) const {
  Check(index);
  return items_[static_cast<size_t>(index)].Text;
}

void TListControlStrings::SetStrings(int index, const std::wstring& s) {
  Check(index);
  TObject* object = items_[static_cast<size_t>(index)].Object;
  Delete(index);
  if (sorted_) AddObject(s, object);
  else InsertObject(index, s, object);
}

TObject* TListControlStrings::Objects(int index) const {
  Check(index);
  return items_[static_cast<size_t>(index)].Object;
}

void TListControlStrings::SetObjects(int index, TObject* object) {
  Check(index);
  items_[static_cast<size_t>(index)].Object = object;
  if (HWND w = Window()) SendMessageW(w, messages_.SetItemData, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(object));
}

int TListControlStrings::Add(const std::wstring& s) {
  int index = Count();
  if (sorted_) {
    auto it = std::upper_bound(items_.begin(), items_.end(), s,
                               [](const std::wstring& v, const Item& item) { return CompareText(v, item.Text) < 0; });
    index = static_cast<int>(it - items_.begin());
  }
  InsertItem(index, Item{s, nullptr});
  return index;
}

void TListControlStrings::Insert(int index, const std::wstring& s) {
  if (index < 0 || index > Count()) ListIndexError(index);
  InsertItem(index, Item{s, nullptr});
}

void TListControlStrings::InsertItem(int index, Item item) {
  items_.insert(items_.begin() + index, item);
  if (HWND w = Window()) SendMessageW(w, messages_.InsertString, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(item.Text.c_str()));
}

void TListControlStrings::Delete(int index) {
  Check(index);
  items_.erase(items_.begin() + index);
  if (HWND w = Window()) SendMessageW(w, messages_.DeleteString, static_cast<WPARAM>(index), 0);
}

void TListControlStrings::Clear() {
  items_.clear();
  if (HWND w = Window()) SendMessageW(w, messages_.ResetContent, 0, 0);
}

int TListControlStrings::IndexOf(const std::wstring& s) const {
  for (size_t i = 0; i < items_.size(); ++i)
    if (CompareText(items_[i].Text, s) == 0) return static_cast<int>(i);
  return -1;
}

void TListControlStrings::SetSorted(bool value) {
  if (sorted_ == value) return;
  sorted_ = value;
  if (!value) return;
  std::stable_sort(items_.begin(), items_.end(),
                   [](const Item& a, const Item& b) { return CompareText(a.Text, b.Text) < 0; });
  if (HWND w = Window()) LoadIntoWindow(w);
}

void TListControlStrings::LoadIntoWindow(HWND window) {
  SendMessageW(window, messages_.ResetContent, 0, 0);
  for (size_t i = 0; i < items_.size(); ++i) {
    SendMessageW(window, messages_.AddString, 0, reinterpret_cast<LPARAM>(items_[i].Text.c_str()));
    if (items_[i].Object)
      SendMessageW(window, messages_.SetItemData, i, reinterpret_cast<LPARAM>(items_[i].Object));
  }
}

}  // namespace classlib
