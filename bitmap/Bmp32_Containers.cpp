#include "bitmap/Bmp32_Containers.h"

#include <algorithm>
#include <cwchar>

#include "classlib/core/List.h"

namespace bmp32 {

namespace {

// Small steps while small, then by a quarter.
std::size_t NextCapacity(std::size_t capacity) {
  if (capacity < 9) return capacity + 4;
  if (capacity < 65) return capacity + 16;
  return capacity + capacity / 4;
}

}  // namespace

TPointerMap::~TPointerMap() { Clear(); }

bool TPointerMap::Find(const void* item, int& bucketIndex, int& itemIndex) const {
  bucketIndex = BucketOf(item);
  const TPointerBucket& bucket = buckets_[bucketIndex];
  for (int i = 0; i < bucket.Count; ++i)
    if (bucket.Items[i].Item == item) {
      itemIndex = i;
      return true;
    }
  itemIndex = -1;
  return false;
}

void** TPointerMap::Add(void* item, bool& isNew) {
  int b = 0, i = 0;
  if (Find(item, b, i)) {
    isNew = false;
    return &buckets_[b].Items[i].Data;
  }
  TPointerBucket& bucket = buckets_[b];
  if (static_cast<std::size_t>(bucket.Count) == bucket.Items.size())
    bucket.Items.resize(NextCapacity(bucket.Items.size()));
  TPointerBucketItem& slot = bucket.Items[bucket.Count++];
  slot.Item = item;
  slot.Data = nullptr;
  ++count_;
  isNew = true;
  return &slot.Data;
}

void** TPointerMap::Add(void* item, void* data, bool& isNew) {
  void** slot = Add(item, isNew);
  *slot = data;
  return slot;
}

void* TPointerMap::Remove(void* item) {
  int b = 0, i = 0;
  if (!Find(item, b, i)) return nullptr;
  return Delete(b, i);
}

void* TPointerMap::Delete(int bucketIndex, int itemIndex) {
  if (bucketIndex < 0 || bucketIndex > 255) throw classlib::EListError(L"Bucket index out of bounds");
  TPointerBucket& bucket = buckets_[bucketIndex];
  if (itemIndex < 0 || itemIndex >= bucket.Count) throw classlib::EListError(L"Item index out of bounds");
  void* data = bucket.Items[itemIndex].Data;
  // While clearing the map the buckets are dropped whole afterwards.
  if (count_ == 0) return data;
  for (int i = itemIndex; i + 1 < bucket.Count; ++i) bucket.Items[i] = bucket.Items[i + 1];
  --bucket.Count;
  --count_;
  if (bucket.Count == 0) {
    bucket.Items.clear();
    bucket.Items.shrink_to_fit();
  }
  return data;
}

void TPointerMap::Clear() {
  count_ = 0;
  for (int b = 0; b < 256; ++b) {
    TPointerBucket& bucket = buckets_[b];
    for (int i = bucket.Count - 1; i >= 0; --i) Delete(b, i);
    bucket.Count = 0;
    bucket.Items.clear();
    bucket.Items.shrink_to_fit();
  }
}

bool TPointerMap::Contains(const void* item) const {
  int b = 0, i = 0;
  return Find(item, b, i);
}

void* TPointerMap::Data(const void* item) const {
  int b = 0, i = 0;
  if (Find(item, b, i)) return buckets_[b].Items[i].Data;
  wchar_t message[64];
  std::swprintf(message, 64, L"Item not found ($0%llX)",
                static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(item)));
  throw classlib::EListError(message);
}

bool TPointerMapIterator::Next() {
  const auto& buckets = map_.Buckets();
  // Earlier items of the current bucket first (the bucket may have shrunk).
  if (cur_bucket_index_ >= 0 && cur_bucket_index_ < 256) {
    const TPointerBucket& bucket = buckets[cur_bucket_index_];
    const int previous = cur_item_index_ - 1;
    if (previous >= 0 && previous < bucket.Count) {
      cur_item_index_ = previous;
      cur_item_ = bucket.Items[previous].Item;
      cur_data_ = bucket.Items[previous].Data;
      return true;
    }
  }
  // Then the next bucket with items, bucket 255 included.
  int b = cur_bucket_index_ + 1;
  while (b < 256 && buckets[b].Count == 0) ++b;
  cur_bucket_index_ = b < 256 ? b : 256;
  if (b >= 256) {
    cur_item_index_ = -1;
    cur_item_ = cur_data_ = nullptr;
    return false;
  }
  cur_item_index_ = buckets[b].Count - 1;
  cur_item_ = buckets[b].Items[cur_item_index_].Item;
  cur_data_ = buckets[b].Items[cur_item_index_].Data;
  return true;
}

std::int32_t TRectangleList::Add(const TRect& rect) {
  if (count_ == Capacity())
    items_.resize(static_cast<std::size_t>(std::max(GrownCapacity(count_), count_ + 1)));
  items_[count_] = rect;
  return count_++;
}

void TRectangleList::Clear() {
  items_.clear();
  items_.shrink_to_fit();
  count_ = 0;
}

TRect* TRectangleList::Items(std::int32_t index) {
  if (index < 0 || index >= count_) return nullptr;
  return &items_[index];
}

std::int32_t TRectangleList::GrownCapacity(std::int32_t capacity) const {
  return static_cast<std::int32_t>(NextCapacity(static_cast<std::size_t>(capacity)));
}

}  // namespace bmp32
