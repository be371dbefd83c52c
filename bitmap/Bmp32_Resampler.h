#pragma once
// The bases of samplers and resamplers, and the list that finds resampler
// classes by name. The standard resamplers (Bmp32_Resamplers.h) are in the
// list from its first use.
#include <cstdint>
#include <string>

#include "bitmap/Bmp32_Containers.h"
#include "bitmap/Bmp32_Geometry.h"
#include "bitmap/Bmp32_Persistent.h"
#include "bitmap/Bmp32_Types.h"

namespace bmp32 {

class TCustomBitmap32;

enum TPixelAccessMode { pamUnsafe, pamSafe, pamWrap, pamTransparentEdge };

// Reads colours at integer, 16.16 or float coordinates.
class TCustomSampler : public TNotifiablePersistent {
 public:
  virtual TColor32 SampleInt(std::int32_t x, std::int32_t y) { return SampleFixed(ToFixed(x), ToFixed(y)); }
  virtual TColor32 SampleFixed(TFixed x, TFixed y) { return SampleFloat(x * (1.0f / 65536), y * (1.0f / 65536)); }
  virtual TColor32 SampleFloat(float, float) { return 0; }
  virtual void BeginSampling() {}
  virtual void EndSampling() {}
  virtual bool IsBounded() const { return false; }
  virtual TFloatRect SampleBounds() const;
};

class TCustomResampler : public TCustomSampler {
 public:
  // Not owned. Give the resampler to its bitmap with SetResampler.
  explicit TCustomResampler(TCustomBitmap32* bitmap = nullptr) : bitmap_(bitmap) {}

  TCustomBitmap32* Bitmap() const { return bitmap_; }
  TPixelAccessMode PixelAccessMode() const { return pixelAccessMode_; }
  void SetPixelAccessMode(TPixelAccessMode mode);
  // The bitmap's clip rectangle as BeginSampling found it.
  const TRect& ClipRect() const { return clipRect_; }

  // The half-width of the support, in source pixels.
  virtual float GetWidth() const { return 0.0f; }
  // The scaled copy of SrcRect of Src into DstRect of Dst, within DstClip
  // (already clipped to Dst by the caller). The base copies nothing.
  virtual void Transfer(TCustomBitmap32& dst, const TRect& dstRect, const TRect& dstClip,
                        const TCustomBitmap32& src, const TRect& srcRect, TDrawMode combineOp,
                        const TPixelCombineEvent& combineCallBack);

  void BeginSampling() override;
  bool IsBounded() const override { return pixelAccessMode_ != pamWrap; }
  TFloatRect SampleBounds() const override;

  // Also tells the bitmap.
  void Changed() override;
  // From another resampler: its published settings.
  void Assign(const classlib::TPersistent* source) override;

 private:
  TCustomBitmap32* bitmap_;
  TPixelAccessMode pixelAccessMode_ = pamSafe;
  TRect clipRect_;
};

// A resampler class: its name and how to make one for a bitmap.
struct TResamplerClass {
  std::wstring Name;
  TCustomResampler* (*Create)(TCustomBitmap32* bitmap) = nullptr;
  const std::wstring& ClassName() const { return Name; }
};

// The registered resampler classes, found by exact name: first the standard
// ones, then those added by RegisterResampler.
TClassList<const TResamplerClass*>& ResamplerList();
// Adds a class that lives until the program ends.
void RegisterResampler(const TResamplerClass* cls);

}  // namespace bmp32
