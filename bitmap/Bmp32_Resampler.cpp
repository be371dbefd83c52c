#include "bitmap/Bmp32_Resampler.h"

#include <limits>

#include "bitmap/Bmp32.h"
#include "bitmap/Bmp32_Resamplers.h"

namespace bmp32 {

TFloatRect TCustomSampler::SampleBounds() const {
  constexpr float inf = std::numeric_limits<float>::infinity();
  return {-inf, -inf, inf, inf};
}

void TCustomResampler::SetPixelAccessMode(TPixelAccessMode mode) {
  if (mode == pixelAccessMode_) return;
  pixelAccessMode_ = mode;
  Changed();
}

void TCustomResampler::Transfer(TCustomBitmap32&, const TRect&, const TRect&, const TCustomBitmap32&,
                                const TRect&, TDrawMode, const TPixelCombineEvent&) {}

void TCustomResampler::BeginSampling() {
  if (bitmap_) clipRect_ = bitmap_->ClipRect();
}

TFloatRect TCustomResampler::SampleBounds() const {
  const TFloatRect clip = bitmap_ ? MakeFloatRect(bitmap_->ClipRect()) : TFloatRect{};
  return pixelAccessMode_ == pamTransparentEdge ? InflateRect(clip, 1.0f, 1.0f) : clip;
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
  static TClassList<const TResamplerClass*> list = [] {
    TClassList<const TResamplerClass*> standard;
    RegisterStandardResamplers(standard);
    return standard;
  }();
  return list;
}

void RegisterResampler(const TResamplerClass* cls) { ResamplerList().Add(cls); }

}  // namespace bmp32
