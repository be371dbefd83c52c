#include "classlib/core/Collection.h"

#include <algorithm>

#include "classlib/core/List.h"

namespace classlib {

TCollectionItem::TCollectionItem(TCollection* collection) { SetCollection(collection); }

TCollectionItem::~TCollectionItem() { SetCollection(nullptr); }

void TCollectionItem::SetCollection(TCollection* collection) {
  if (collection == collection_) return;
  if (collection_) collection_->RemoveItem(this);
  if (collection) collection->InsertItem(this);
}

int TCollectionItem::Index() const {
  if (!collection_) return -1;
  const auto& items = collection_->items_;
  return static_cast<int>(std::find(items.begin(), items.end(), this) - items.begin());
}

void TCollectionItem::SetIndex(int index) {
  if (collection_ && index != Index()) collection_->MoveItem(this, index);
}

TPersistent* TCollectionItem::GetOwner() const { return collection_; }

void TCollectionItem::Changed(bool allItems) {
  if (collection_) collection_->ItemChanged(allItems ? nullptr : this);
}

TCollection::TCollection(TPersistent* owner, TItemFactory itemFactory)
    : owner_(owner), itemFactory_(std::move(itemFactory)) {}

TCollection::~TCollection() {
  ++updateCount_;  // no change notifications while dying
  while (!items_.empty()) delete items_.back();
}

TCollectionItem* TCollection::Items(int index) const {
  if (index < 0 || index >= Count()) ListIndexError(index);
  return items_[static_cast<size_t>(index)];
}

TCollectionItem* TCollection::Add() {
  BeginUpdate();
  TCollectionItem* item = nullptr;
  try {
    item = itemFactory_(this);
    if (item->Collection() != this) item->SetCollection(this);
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
  return item;
}

TCollectionItem* TCollection::Insert(int index) {
  if (index < 0 || index > Count()) ListIndexError(index);
  BeginUpdate();
  TCollectionItem* item = nullptr;
  try {
    item = Add();
    item->SetIndex(index);
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
  return item;
}

void TCollection::Delete(int index) { delete Items(index); }

void TCollection::Clear() {
  if (items_.empty()) return;
  BeginUpdate();
  while (!items_.empty()) delete items_.back();
  EndUpdate();
}

void TCollection::BeginUpdate() { ++updateCount_; }

void TCollection::EndUpdate() {
  if (updateCount_ > 0 && --updateCount_ == 0) Changed();
}

void TCollection::Changed() {
  if (updateCount_ == 0) Update(nullptr);
}

void TCollection::ItemChanged(TCollectionItem* item) {
  if (updateCount_ == 0) Update(item);
}

void TCollection::InsertItem(TCollectionItem* item) {
  items_.push_back(item);
  item->collection_ = this;
  Changed();
}

void TCollection::RemoveItem(TCollectionItem* item) {
  const auto it = std::find(items_.begin(), items_.end(), item);
  if (it != items_.end()) items_.erase(it);
  item->collection_ = nullptr;
  Changed();
}

void TCollection::MoveItem(TCollectionItem* item, int index) {
  if (index < 0 || index >= Count()) ListIndexError(index);
  items_.erase(std::find(items_.begin(), items_.end(), item));
  items_.insert(items_.begin() + index, item);
  Changed();
}

void TCollection::Assign(const TPersistent* source) {
  const auto* other = dynamic_cast<const TCollection*>(source);
  if (!other) {
    TPersistent::Assign(source);
    return;
  }
  if (other == this) return;
  BeginUpdate();
  try {
    Clear();
    for (const TCollectionItem* item : other->items_) Add()->Assign(item);
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

}  // namespace classlib
