#include "bitmap/Bmp32_Backend.h"

#include <cstring>

#include "bitmap/Bmp32.h"

namespace bmp32 {

void TCustomBackend::Changing() {
  if (onChanging_) onChanging_(this);
}

void TCustomBackend::AllocateSurface(std::int32_t, std::int32_t, bool) {}

bool TCustomBackend::Supports(std::wstring_view) const { return false; }

void TCustomBackend::ChangeSize(std::int32_t& width, std::int32_t& height, std::int32_t newWidth,
                                std::int32_t newHeight, bool clearBuffer) {
  Changing();
  ReleaseSurface();
  width = 0;
  height = 0;
  if (newWidth >= 1 && newHeight >= 1) {
    try {
      AllocateSurface(newWidth, newHeight, clearBuffer);
    } catch (...) {
      ReleaseSurface();
      Changed();
      throw;
    }
  }
  width = newWidth;
  height = newHeight;
  Changed();
}

void TCustomBackend::Clear() {
  if (owner_) {
    TCustomMap& map = *owner_;
    ChangeSize(map.width_, map.height_, 0, 0, false);
  } else {
    std::int32_t width = 0, height = 0;
    ChangeSize(width, height, 0, 0, false);
  }
}

void TCustomBackend::Assign(const classlib::TPersistent* source) {
  const auto* other = dynamic_cast<const TCustomBackend*>(source);
  if (!other || !owner_) {
    TThreadPersistent::Assign(source);
    return;
  }
  const TCustomMap* sourceMap = other->owner_;
  const std::int32_t width = sourceMap ? sourceMap->Width() : 0;
  const std::int32_t height = sourceMap ? sourceMap->Height() : 0;
  TCustomMap& map = *owner_;
  ChangeSize(map.width_, map.height_, width, height, false);
  if (!other->Empty() && other->bits_ && bits_ && bits_ != other->bits_)
    std::memcpy(bits_, other->bits_, static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4);
}

}  // namespace bmp32
