#pragma once
// The chunk list's storage: pointers in order, the array kept at exactly
// Count entries.
#include <cstdint>
#include <vector>

#include "classlib/core/Object.h"

namespace png {

class TPNGPointerList : public classlib::TObject {
 public:
  explicit TPNGPointerList(classlib::TObject* owner) : owner_(owner) {}

  classlib::TObject* Owner() const { return owner_; }
  uint32_t Count() const { return static_cast<uint32_t>(memory_.size()); }

  void Add(void* value) { memory_.push_back(value); }
  // Removes the last entry holding `value` and returns it; null when absent.
  virtual void* Remove(void* value);
  // Null beyond the end.
  void* GetItem(uint32_t index) const { return index < Count() ? memory_[index] : nullptr; }
  // Ignored beyond the end.
  void SetItem(uint32_t index, void* value) {
    if (index < Count()) memory_[index] = value;
  }
  // Resizes to `count` entries (new ones null); 0 frees the memory.
  void SetSize(uint32_t count);

 private:
  classlib::TObject* owner_;
  std::vector<void*> memory_;
};

}  // namespace png
