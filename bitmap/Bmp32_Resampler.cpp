#include "bitmap/Bmp32_Resampler.h"

#include "bitmap/Bmp32.h"

namespace bmp32 {

void TCustomResampler::SetPixelAccessMode(TPixelAccessMode mode) {
  if (mode == pixelAccessMode_) return;
  pixelAccessMode_ = mode;
  Changed();
}

void TCustomResampler::Changed() {
  if (bitmap_) bitmap_->Changed();
  TNotifiablePersistent::Changed();
}

void TCustomResampler::Assign(const classlib::TPersistent* source) {
  if (const auto* other = dynamic_cast<const TCustomResampler*>(source)) {
    SetPixelAccessMode(other->pixelAccessMode_);
    return;
  }
  TNotifiablePersistent::Assign(source);
}

TClassList<const TResamplerClass*>& ResamplerList() {
  static TClassList<const TResamplerClass*> list;
  return list;
}

void RegisterResampler(const TResamplerClass* cls) { ResamplerList().Add(cls); }

}  // namespace bmp32
