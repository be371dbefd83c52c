#pragma once
// The two-pass integer resampler of the kernel resampler: mapping tables of
// 8-bit fixed-point weights (256 per cluster), a vertical pass over the
// source columns the horizontal clusters reach, then a horizontal pass.
#include <cstdint>
#include <span>
#include <vector>

#include "bitmap/Bmp32_Kernels.h"
#include "bitmap/Bmp32_Types.h"

namespace bmp32 {

class TCustomBitmap32;

// Pixel centres at half-pixel positions (True) or edges mapped to edges.
inline bool EdgeCentred = true;

struct TPointRec {
  std::int32_t Pos = 0;
  std::int32_t Weight = 0;
  friend bool operator==(const TPointRec&, const TPointRec&) = default;
};
using TCluster = std::span<const TPointRec>;

// One cluster per destination column (or row) of the clipped range, stored
// one after another.
class TMappingTable {
 public:
  std::int32_t Count() const { return static_cast<std::int32_t>(starts_.size()) - 1; }
  bool Empty() const { return Count() <= 0; }
  TCluster operator[](std::int32_t i) const {
    return {entries_.data() + starts_[i], static_cast<std::size_t>(starts_[i + 1] - starts_[i])};
  }
  // True when some weight is negative (large reductions of the box kernel,
  // and the negative lobes of the wider kernels).
  bool HasNegativeWeights() const;

  void Append(std::span<const TPointRec> cluster);

 private:
  std::vector<TPointRec> entries_;
  std::vector<std::int32_t> starts_{0};
};

TMappingTable BuildMapping(std::int32_t dstLo, std::int32_t dstHi, std::int32_t clipLo, std::int32_t clipHi,
                           std::int32_t srcLo, std::int32_t srcHi, const TCustomKernel& kernel);

// SrcRect of Src (inside Src) into DstRect of Dst within DstClip (inside Dst
// and DstRect). Channel sums saturate to 0..255.
void Resample(TCustomBitmap32& dst, const TRect& dstRect, const TRect& dstClip, const TCustomBitmap32& src,
              const TRect& srcRect, const TCustomKernel& kernel, TDrawMode combineOp,
              const TPixelCombineEvent& combineCallBack);

}  // namespace bmp32
