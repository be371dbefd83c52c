#pragma once
// Containers of the bitmap library: a pointer-keyed map, a growing list of
// rectangles and a list of class references found by name.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "bitmap/Bmp32_Types.h"

namespace bmp32 {

struct TPointerBucketItem {
  void* Item = nullptr;  // the key
  void* Data = nullptr;
};

struct TPointerBucket {
  std::int32_t Count = 0;
  std::vector<TPointerBucketItem> Items;  // capacity; the first Count are used
};

// 256 buckets; a key's bucket is bits 8-15 of its address.
class TPointerMap {
 public:
  TPointerMap() = default;
  TPointerMap(const TPointerMap&) = delete;
  TPointerMap& operator=(const TPointerMap&) = delete;
  // Clears with this class's Delete: a subclass whose Delete frees the data
  // must call Clear in its own destructor.
  virtual ~TPointerMap();

  static int BucketOf(const void* item) {
    return static_cast<int>((reinterpret_cast<std::uintptr_t>(item) >> 8) & 255);
  }

  // The key's data slot; appended (with null data) when the key is new. The
  // slot stays valid until the next Add or removal in the same bucket.
  void** Add(void* item, bool& isNew);
  void** Add(void* item, void* data, bool& isNew);
  // The removed data, or nullptr when the key is absent.
  void* Remove(void* item);
  // Returns the data and closes the gap; an emptied bucket releases its array.
  // Indexes outside the bucket raise classlib::EListError.
  virtual void* Delete(int bucketIndex, int itemIndex);
  void Clear();

  bool Contains(const void* item) const;
  // Raises classlib::EListError "Item not found ($0...)" when the key is absent.
  void* Data(const void* item) const;

  std::int32_t Count() const { return count_; }
  const std::array<TPointerBucket, 256>& Buckets() const { return buckets_; }

 private:
  bool Find(const void* item, int& bucketIndex, int& itemIndex) const;

  std::array<TPointerBucket, 256> buckets_;
  std::int32_t count_ = 0;
};

// Visits every pair: buckets ascending, each bucket's items last to first.
class TPointerMapIterator {
 public:
  explicit TPointerMapIterator(const TPointerMap& map) : map_(map) {}
  bool Next();
  void* CurItem() const { return cur_item_; }
  void* CurData() const { return cur_data_; }

 private:
  const TPointerMap& map_;
  int cur_bucket_index_ = -1;
  int cur_item_index_ = -1;
  void* cur_item_ = nullptr;
  void* cur_data_ = nullptr;
};

class TRectangleList {
 public:
  virtual ~TRectangleList() = default;
  // The new entry's index.
  std::int32_t Add(const TRect& rect);
  // Empties the list and releases its storage.
  void Clear();
  // nullptr when index is outside 0..Count-1.
  TRect* Items(std::int32_t index);
  std::int32_t Count() const { return count_; }
  std::int32_t Capacity() const { return static_cast<std::int32_t>(items_.size()); }

 protected:
  // The capacity to grow to when the list is full; anything not larger than
  // the current capacity grows by one.
  virtual std::int32_t GrownCapacity(std::int32_t capacity) const;

 private:
  std::vector<TRect> items_;
  std::int32_t count_ = 0;
};

// Class references (pointers to a class descriptor with ClassName()), found
// by their exact, case-sensitive name.
template <class ClassRef>
class TClassList {
 public:
  std::int32_t Add(ClassRef cls) {
    items_.push_back(cls);
    return static_cast<std::int32_t>(items_.size()) - 1;
  }
  ClassRef Find(const std::wstring& name) const {
    for (ClassRef cls : items_)
      if (cls->ClassName() == name) return cls;
    return nullptr;
  }
  std::int32_t Count() const { return static_cast<std::int32_t>(items_.size()); }
  ClassRef operator[](std::int32_t index) const { return items_.at(static_cast<std::size_t>(index)); }

 private:
  std::vector<ClassRef> items_;
};

}  // namespace bmp32
