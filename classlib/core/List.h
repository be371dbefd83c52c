#pragma once
// Lists of pointers and of objects.
#include <vector>

#include "classlib/core/Exception.h"
#include "classlib/core/Object.h"

namespace classlib {

CLASSLIB_EXCEPTION(EListError, Exception);

// Raises EListError "List index out of bounds (<index>)".
[[noreturn]] void ListIndexError(int index);

class TList : public TObject {
 public:
  ~TList() override;

  int Count() const { return static_cast<int>(items_.size()); }
  void* Items(int index) const;
  void SetItems(int index, void* item);
  void* First() const { return Items(0); }
  void* Last() const { return Items(Count() - 1); }

  int Add(void* item);
  void Insert(int index, void* item);
  void Delete(int index);
  // Removes the first occurrence; returns its former index or -1.
  int Remove(void* item);
  // Takes the item out of the list without freeing it (an owning list too).
  void* Extract(void* item);
  int IndexOf(const void* item) const;
  void Exchange(int index1, int index2);
  void Move(int curIndex, int newIndex);
  void Clear();

 protected:
  enum class TListNotification { lnAdded, lnExtracted, lnDeleted };
  // Told after an item was added and after one left the list.
  virtual void Notify(void* /*item*/, TListNotification /*action*/) {}

 private:
  void Check(int index) const;
  std::vector<void*> items_;
};

// A list of objects that, while OwnsObjects is on, frees the objects deleted
// from it and those left in it when it is freed or cleared.
class TObjectList : public TList {
 public:
  explicit TObjectList(bool ownsObjects = true) : ownsObjects_(ownsObjects) {}
  ~TObjectList() override;

  bool OwnsObjects() const { return ownsObjects_; }
  void SetOwnsObjects(bool value) { ownsObjects_ = value; }

  TObject* Items(int index) const { return static_cast<TObject*>(TList::Items(index)); }
  int Add(TObject* item) { return TList::Add(item); }
  int IndexOf(const TObject* item) const { return TList::IndexOf(item); }
  int Remove(TObject* item) { return TList::Remove(item); }

 protected:
  void Notify(void* item, TListNotification action) override;

 private:
  bool ownsObjects_;
};

}  // namespace classlib
