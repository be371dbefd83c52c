#pragma once
// Collections: owned, ordered lists of items of one class, stored in form
// descriptions as < item ... end > and told of every change of their items.
#include <functional>
#include <vector>

#include "classlib/core/Persistent.h"

namespace classlib {

class TCollection;

class TCollectionItem : public TPersistent {
 public:
  // Joins the collection (when given) at its end.
  explicit TCollectionItem(TCollection* collection);
  // Leaves its collection.
  ~TCollectionItem() override;

  TCollection* Collection() const { return collection_; }
  void SetCollection(TCollection* collection);
  int Index() const;
  void SetIndex(int index);

  TPersistent* GetOwner() const override;

 protected:
  // Tells the collection that this item (or, with allItems, every item) changed.
  void Changed(bool allItems);

 private:
  friend class TCollection;
  TCollection* collection_ = nullptr;
};

class TCollection : public TPersistent {
 public:
  using TItemFactory = std::function<TCollectionItem*(TCollection*)>;

  // The factory makes one item of the collection's item class; the item joins
  // the collection through its constructor.
  TCollection(TPersistent* owner, TItemFactory itemFactory);
  template <class TItem>
  static TItemFactory ItemClass() {
    return [](TCollection* c) -> TCollectionItem* { return new TItem(c); };
  }
  ~TCollection() override;

  int Count() const { return static_cast<int>(items_.size()); }
  TCollectionItem* Items(int index) const;
  TCollectionItem* Add();
  TCollectionItem* Insert(int index);
  void Delete(int index);
  void Clear();

  // Collects changes: Update runs once, at the outermost EndUpdate.
  void BeginUpdate();
  void EndUpdate();
  int UpdateCount() const { return updateCount_; }

  // Copies the items of another collection (item by item with Assign).
  void Assign(const TPersistent* source) override;

  TPersistent* GetOwner() const override { return owner_; }

 protected:
  // Runs after a change: `item` changed, or (null) the whole collection did.
  virtual void Update(TCollectionItem* /*item*/) {}
  void Changed();

 private:
  friend class TCollectionItem;
  void InsertItem(TCollectionItem* item);
  void RemoveItem(TCollectionItem* item);
  void MoveItem(TCollectionItem* item, int index);
  void ItemChanged(TCollectionItem* item);

  TPersistent* owner_;
  TItemFactory itemFactory_;
  std::vector<TCollectionItem*> items_;
  int updateCount_ = 0;
};

}  // namespace classlib
