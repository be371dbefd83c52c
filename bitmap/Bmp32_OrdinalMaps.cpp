#include "bitmap/Bmp32_OrdinalMaps.h"

#include <algorithm>

namespace bmp32 {

bool TIntegerMap::SetSize(std::int32_t newWidth, std::int32_t newHeight) {
  newWidth = std::max(newWidth, 0);
  newHeight = std::max(newHeight, 0);
  if (newWidth == width_ && newHeight == height_) return false;
  ChangeSize(width_, height_, newWidth, newHeight);
  return true;
}

void TIntegerMap::ChangeSize(std::int32_t& width, std::int32_t& height, std::int32_t newWidth,
                             std::int32_t newHeight) {
  bits_.resize(static_cast<std::size_t>(newWidth) * static_cast<std::size_t>(newHeight));
  width = newWidth;
  height = newHeight;
}

}  // namespace bmp32
