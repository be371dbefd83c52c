#pragma once
// The standard resamplers: nearest, linear, draft and kernel. A bitmap asks
// for one by class name (ResamplerList); the kernel resampler does the
// program's scaled copies through Resample.
#include <cstdint>
#include <memory>
#include <string>

#include "bitmap/Bmp32_Kernels.h"
#include "bitmap/Bmp32_OrdinalMaps.h"
#include "bitmap/Bmp32_Resampler.h"

namespace bmp32 {

class TNearestResampler : public TCustomResampler {
 public:
  using TCustomResampler::TCustomResampler;
  TColor32 SampleInt(std::int32_t x, std::int32_t y) override;
  TColor32 SampleFixed(TFixed x, TFixed y) override;
  TColor32 SampleFloat(float x, float y) override;
  float GetWidth() const override { return 1.0f; }
  // Raises classlib::Exception "Invalid SrcRect" for a source rectangle that
  // leaves the source.
  void Transfer(TCustomBitmap32& dst, const TRect& dstRect, const TRect& dstClip, const TCustomBitmap32& src,
                const TRect& srcRect, TDrawMode combineOp, const TPixelCombineEvent& combineCallBack) override;
};

class TLinearResampler : public TCustomResampler {
 public:
  explicit TLinearResampler(TCustomBitmap32* bitmap = nullptr);
  ~TLinearResampler() override;
  TColor32 SampleFixed(TFixed x, TFixed y) override;
  TColor32 SampleFloat(float x, float y) override;
  float GetWidth() const override { return 1.0f; }
  void BeginSampling() override;
  void Transfer(TCustomBitmap32& dst, const TRect& dstRect, const TRect& dstClip, const TCustomBitmap32& src,
                const TRect& srcRect, TDrawMode combineOp, const TPixelCombineEvent& combineCallBack) override;
  // Bilinear read that fades to transparent across the clip edge.
  TColor32 SampleTransparentEdge(TFixed x, TFixed y) const;

 private:
  std::unique_ptr<TLinearKernel> kernel_;
  TColor32 (TLinearResampler::*sample_)(TFixed, TFixed) const = nullptr;
  TColor32 SampleUnsafe(TFixed x, TFixed y) const;
  TColor32 SampleSafe(TFixed x, TFixed y) const;
  TColor32 SampleWrap(TFixed x, TFixed y) const;
};

// Reductions average whole source blocks; enlargements are linear.
class TDraftResampler : public TLinearResampler {
 public:
  using TLinearResampler::TLinearResampler;
  void Transfer(TCustomBitmap32& dst, const TRect& dstRect, const TRect& dstClip, const TCustomBitmap32& src,
                const TRect& srcRect, TDrawMode combineOp, const TPixelCombineEvent& combineCallBack) override;
};

enum TKernelMode { kmDynamic, kmTableNearest, kmTableLinear };

class TKernelResampler : public TCustomResampler {
 public:
  // With a box kernel.
  explicit TKernelResampler(TCustomBitmap32* bitmap = nullptr);

  TCustomKernel& Kernel() const { return *kernel_; }
  // Takes ownership; ignored for null or the current kernel.
  void SetKernel(TCustomKernel* kernel);
  std::wstring KernelClassName() const { return kernel_->ClassName(); }
  // A name not in KernelList changes nothing.
  void SetKernelClassName(const std::wstring& name);
  TKernelMode KernelMode() const { return kernelMode_; }
  void SetKernelMode(TKernelMode mode);
  std::int32_t TableSize() const { return tableSize_; }
  // At least 2.
  void SetTableSize(std::int32_t size);

  float GetWidth() const override { return kernel_->GetWidth(); }
  void Transfer(TCustomBitmap32& dst, const TRect& dstRect, const TRect& dstClip, const TCustomBitmap32& src,
                const TRect& srcRect, TDrawMode combineOp, const TPixelCombineEvent& combineCallBack) override;

  // Point sampling, between BeginSampling and EndSampling. Kernels wider
  // than 16 pixels sample nothing (transparent black).
  void BeginSampling() override;
  void EndSampling() override;
  TColor32 SampleFloat(float x, float y) override;

  void Assign(const classlib::TPersistent* source) override;

 private:
  // Weights for the pixels -W..W (index W + i) at the fraction d in [0, 1).
  void Weights(float d, std::int32_t w, std::int32_t* weights) const;
  const std::int32_t* TableRow(std::int32_t row) const;

  std::unique_ptr<TCustomKernel> kernel_;
  TKernelMode kernelMode_ = kmDynamic;
  std::int32_t tableSize_ = 32;
  TIntegerMap weightTable_;
  TColor32 outerColor_ = 0;
};

// The standard classes, in the order the list holds them.
void RegisterStandardResamplers(TClassList<const TResamplerClass*>& list);

// Bindings of this unit: the average of a W x H block (rows `stride` pixels
// apart) and the bilinear mix of a 2 x 2 block by 8-bit weights.
using TBlockAverage = TColor32(std::uint32_t w, std::uint32_t h, const TColor32* src, std::int32_t stride);
using TInterpolator = TColor32(std::uint32_t wx, std::uint32_t wy, const TColor32* high, const TColor32* low);
extern TBlockAverage* BlockAverage;
extern TInterpolator* Interpolator;

}  // namespace bmp32
