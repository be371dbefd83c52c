#include "png/PngPointerList.h"

namespace png {

void* TPNGPointerList::Remove(void* value) {
  for (uint32_t i = Count(); i-- > 0;) {
    if (memory_[i] == value) {
      memory_.erase(memory_.begin() + i);
      return value;
    }
  }
  return nullptr;
}

void TPNGPointerList::SetSize(uint32_t count) {
  if (count == 0) {
    memory_.clear();
    memory_.shrink_to_fit();
  } else {
    memory_.resize(count, nullptr);
  }
}

}  // namespace png
