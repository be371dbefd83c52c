#include "bitmap/Bmp32_Persistent.h"

#include "bitmap/Bmp32_Error.h"

namespace bmp32 {

void TNotifiablePersistent::Changed() {
  if (updateCount_ == 0 && onChange_) onChange_(this);
}

void TNotifiablePersistent::EndUpdate() {
  if (updateCount_ <= 0) throw EBmp32Error(L"Unpaired TThreadPersistent.EndUpdate");
  --updateCount_;
}

bool TCustomMap::SetSize(std::int32_t newWidth, std::int32_t newHeight) {
  if (newWidth < 0) newWidth = 0;
  if (newHeight < 0) newHeight = 0;
  if (newWidth == width_ && newHeight == height_) return false;
  ChangeSize(width_, height_, newWidth, newHeight);
  Changed();
  Resized();
  return true;
}

void TCustomMap::ChangeSize(std::int32_t& width, std::int32_t& height, std::int32_t newWidth,
                            std::int32_t newHeight) {
  width = newWidth;
  height = newHeight;
}

void TCustomMap::Resized() {
  if (onResize_) onResize_(this);
}

}  // namespace bmp32
