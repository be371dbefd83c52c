#include "bitmap/Bmp32_Resample.h"

#include <algorithm>
#include <cmath>

#include "bitmap/Bmp32.h"
#include "bitmap/Bmp32_ResamplePasses.h"
#include "bitmap/Bmp32_Transfer.h"

namespace bmp32 {

bool TMappingTable::HasNegativeWeights() const {
  return std::any_of(entries_.begin(), entries_.end(), [](const TPointRec& e) { return e.Weight < 0; });
}

void TMappingTable::Append(std::span<const TPointRec> cluster) {
  entries_.insert(entries_.end(), cluster.begin(), cluster.end());
  starts_.push_back(static_cast<std::int32_t>(entries_.size()));
}

namespace {

// Round to nearest, ties to even, as the float unit does by default.
std::int32_t RoundWeight(float value) { return static_cast<std::int32_t>(std::nearbyint(value)); }

}  // namespace

// Every step is single precision on purpose: which source pixels fall inside
// a box depends on how the centre rounds.
TMappingTable BuildMapping(std::int32_t dstLo, std::int32_t dstHi, std::int32_t clipLo, std::int32_t clipHi,
                           std::int32_t srcLo, std::int32_t srcHi, const TCustomKernel& kernel) {
  TMappingTable table;
  const std::int32_t srcW = srcHi - srcLo;
  const std::int32_t clipW = clipHi - clipLo;
  if (srcW <= 0) return table;
  const TPointRec whole[] = {{srcLo, 256}};
  if (srcW == 1) {
    for (std::int32_t i = 0; i < clipW; ++i) table.Append(whole);
    return table;
  }

  const float scale = EdgeCentred ? float(dstHi - dstLo) / float(srcW) : float(dstHi - dstLo - 1) / float(srcW - 1);
  if (scale == 0.0f) {
    const TPointRec middle[] = {{(srcLo + srcHi) / 2, 256}};
    for (std::int32_t i = 0; i < clipW; ++i) table.Append(middle);
    return table;
  }

  const float oldScale = 1.0f / scale;
  const bool enlarging = scale >= 1.0f;
  const float width = enlarging ? kernel.GetWidth() : kernel.GetWidth() * oldScale;
  std::vector<TPointRec> cluster;
  for (std::int32_t i = 0; i < clipW; ++i) {
    const std::int32_t column = i - dstLo + clipLo;
    float center;
    if (EdgeCentred) {
      center = (float(column) + 0.5f) * oldScale;
      center = center + float(srcLo);
      center = center - 0.5f;
    } else {
      center = float(column) * oldScale;
      center = center + float(srcLo);
    }
    cluster.clear();
    std::int32_t sum = 0;
    const auto first = static_cast<std::int32_t>(std::floor(center - width));
    const auto last = static_cast<std::int32_t>(std::ceil(center + width));
    for (std::int32_t j = first; j <= last; ++j) {
      const float distance = center - float(j);
      const std::int32_t weight = enlarging ? RoundWeight(kernel.Filter(distance) * 256.0f)
                                            : RoundWeight(kernel.Filter(distance * scale) * 256.0f * scale);
      if (weight == 0) continue;
      cluster.push_back({std::clamp(j, srcLo, srcHi - 1), weight});
      sum += weight;
    }
    if (cluster.empty()) {
      // Possible only for kernels narrower than a pixel: the nearest pixel.
      const auto nearest = static_cast<std::int32_t>(std::floor(center));
      cluster.push_back({std::clamp(nearest, srcLo, srcHi - 1), 256});
    } else if (sum != 256) {
      cluster[(cluster.size() - 1) / 2].Weight -= sum - 256;
    }
    table.Append(cluster);
  }
  return table;
}

void Resample(TCustomBitmap32& dst, const TRect& dstRect, const TRect& dstClip, const TCustomBitmap32& src,
              const TRect& srcRect, const TCustomKernel& kernel, TDrawMode combineOp,
              const TPixelCombineEvent& combineCallBack) {
  const TPixelStore store(src, combineOp, combineCallBack);
  if (store.Mode() == dmBlend && src.MasterAlpha() == 0) return;

  const TMappingTable mapX =
      BuildMapping(dstRect.Left, dstRect.Right, dstClip.Left, dstClip.Right, srcRect.Left, srcRect.Right, kernel);
  const TMappingTable mapY =
      BuildMapping(dstRect.Top, dstRect.Bottom, dstClip.Top, dstClip.Bottom, srcRect.Top, srcRect.Bottom, kernel);
  if (mapX.Empty() || mapY.Empty()) return;

  const std::int32_t xLo = mapX[0].front().Pos;
  const std::int32_t xHi = mapX[mapX.Count() - 1].back().Pos;
  const std::int32_t clipW = dstClip.Right - dstClip.Left;
  TRowResampler rows(mapX, xLo, xHi - xLo + 1, mapY.HasNegativeWeights() || mapX.HasNegativeWeights());
  std::vector<TColor32> line(store.Mode() == dmOpaque ? 0 : clipW);
  std::vector<const TColor32*> sourceRows;

  TCluster previous;
  for (std::int32_t j = dstClip.Top; j < dstClip.Bottom; ++j) {
    const TCluster cy = mapY[j - dstClip.Top];
    TColor32* target = dst.PixelPtr(dstClip.Left, j);
    // Enlarged rows often repeat the cluster above, and so its pixels.
    const bool repeated = !previous.empty() && std::equal(cy.begin(), cy.end(), previous.begin(), previous.end());
    if (repeated && store.Mode() == dmOpaque) {
      MovePixels(target - dst.Width(), target, clipW);
      continue;
    }
    if (!repeated) {
      sourceRows.clear();
      for (const TPointRec& e : cy) sourceRows.push_back(src.PixelPtr(xLo, e.Pos));
      rows.SumColumns(sourceRows.data(), cy);
      previous = cy;
    }
    if (store.Mode() == dmOpaque) {
      rows.SumRow(target);
    } else {
      rows.SumRow(line.data());
      store.PutRow(line.data(), target, clipW);
    }
  }
  ResetMultimediaState();
}

}  // namespace bmp32
