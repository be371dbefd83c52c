#pragma once
// The inner passes of Resample. The vertical pass sums weighted source rows
// per column (8 fraction bits); the horizontal pass sums those per
// destination pixel (16 fraction bits) and drops the fraction. Both give the
// exact integer sums, in whatever order the processor prefers.
#include <cstdint>
#include <vector>

#include "bitmap/Bmp32_Resample.h"

namespace bmp32 {

class TRowResampler {
 public:
  // Columns xLo .. xLo + width - 1 of the source feed the clusters of mapX.
  // Without negative weights every partial sum stays below 2^24, so the
  // horizontal pass runs in float lanes and is still exact; otherwise it
  // runs on integers and saturates.
  TRowResampler(const TMappingTable& mapX, std::int32_t xLo, std::int32_t width, bool negativeWeights);

  // rows[k] points at column xLo of the source row of cluster entry k.
  void SumColumns(const TColor32* const* rows, TCluster cluster);
  // One pixel per cluster of mapX.
  void SumRow(TColor32* dst) const;

 private:
  template <class Out>
  void SumColumnsInto(const TColor32* const* rows, TCluster cluster, Out* out);
  void SumRowSaturated(TColor32* dst) const;

  const TMappingTable& mapX_;
  std::int32_t xLo_;
  std::int32_t width_;
  bool negativeWeights_;
  std::vector<std::int32_t> sums_;  // B, G, R, A per column (integer path)
  std::vector<float> lanes_;        // the same as floats (float path)
  // mapX flattened for the float path: lane offsets and weights.
  std::vector<std::int32_t> tapOffsets_;
  std::vector<float> tapWeights_;
  std::vector<std::int32_t> tapStarts_;
  std::vector<std::int16_t> partial_;  // 16-bit column sums of a strip
};

}  // namespace bmp32
