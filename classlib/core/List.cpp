#include "classlib/core/List.h"

#include <algorithm>
#include <string>

namespace classlib {

void ListIndexError(int index) {
  throw EListError(L"List index out of bounds (" + std::to_wstring(index) + L")");
}

TList::~TList() { Clear(); }

void TList::Check(int index) const {
  if (index < 0 || index >= Count()) ListIndexError(index);
}

void* TList::Items(int index) const {
  Check(index);
  return items_[static_cast<size_t>(index)];
}

void TList::SetItems(int index, void* item) {
  Check(index);
  void* old = items_[static_cast<size_t>(index)];
  if (old == item) return;
  items_[static_cast<size_t>(index)] = item;
  if (old) Notify(old, TListNotification::lnDeleted);
  if (item) Notify(item, TListNotification::lnAdded);
}

int TList::Add(void* item) {
  items_.push_back(item);
  if (item) Notify(item, TListNotification::lnAdded);
  return Count() - 1;
}

void TList::Insert(int index, void* item) {
  if (index < 0 || index > Count()) ListIndexError(index);
  items_.insert(items_.begin() + index, item);
  if (item) Notify(item, TListNotification::lnAdded);
}

void TList::Delete(int index) {
  Check(index);
  void* item = items_[static_cast<size_t>(index)];
  items_.erase(items_.begin() + index);
  if (item) Notify(item, TListNotification::lnDeleted);
}

int TList::Remove(void* item) {
  const int index = IndexOf(item);
  if (index >= 0) Delete(index);
  return index;
}

void* TList::Extract(void* item) {
  const int index = IndexOf(item);
  if (index < 0) return nullptr;
  items_.erase(items_.begin() + index);
  Notify(item, TListNotification::lnExtracted);
  return item;
}

int TList::IndexOf(const void* item) const {
  const auto it = std::find(items_.begin(), items_.end(), item);
  return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

void TList::Exchange(int index1, int index2) {
  Check(index1);
  Check(index2);
  std::swap(items_[static_cast<size_t>(index1)], items_[static_cast<size_t>(index2)]);
}

void TList::Move(int curIndex, int newIndex) {
  if (curIndex == newIndex) return;
  Check(curIndex);
  Check(newIndex);
  void* item = items_[static_cast<size_t>(curIndex)];
  items_.erase(items_.begin() + curIndex);
  items_.insert(items_.begin() + newIndex, item);
}

void TList::Clear() {
  while (!items_.empty()) Delete(Count() - 1);
}

TObjectList::~TObjectList() { Clear(); }

void TObjectList::Notify(void* item, TListNotification action) {
  if (ownsObjects_ && action == TListNotification::lnDeleted) delete static_cast<TObject*>(item);
}

}  // namespace classlib
