#include "skin/paint/Resample.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "classlib/core/Exception.h"
#include "skin/paint/ResampleFilters.h"

namespace skin::paint {

namespace {

// An index beyond an edge reflected back (-1 reads 0's neighbour 1, SrcSize
// reads SrcSize - 1); a window wider than the source reflects past the far
// edge, so the result is held inside the source too.
std::int64_t MirrorIndex(std::int64_t j, std::int32_t srcSize) {
  if (j < 0) {
    j = -j;
  } else if (j >= srcSize) {
    j = 2 * std::int64_t{srcSize} - j - 1;
  }
  return std::clamp<std::int64_t>(j, 0, srcSize - 1);
}

std::uint8_t ClampChannel(std::int32_t sum) {
  if (sum < 0) return 0;
  if (sum > 0xFF0000) return 255;
  return static_cast<std::uint8_t>(sum >> 16);
}

template <int Channels>
void ResamplePass(std::ptrdiff_t dstStep, std::uint8_t* dst, const std::uint8_t* srcBase,
                  const TContributionList& list, std::int32_t count) {
  count = std::min(count, list.DstSize());
  for (std::int32_t i = 0; i < count; ++i, dst += dstStep) {
    std::int32_t sum[Channels] = {};
    const TContribution* entry = list.Of(i);
    const TContribution* const end = entry + list.Count(i);
    for (; entry != end; ++entry) {
      const std::uint8_t* src = srcBase + entry->Offset;
      for (int c = 0; c < Channels; ++c) sum[c] += src[c] * entry->Weight;
    }
    for (int c = 0; c < Channels; ++c) dst[c] = ClampChannel(sum[c]);
  }
}

void ResamplePass(std::int32_t bytesPerPixel, std::ptrdiff_t dstStep, std::uint8_t* dst,
                  const std::uint8_t* srcBase, const TContributionList& list, std::int32_t count) {
  if (bytesPerPixel == 4) {
    ResamplePass32(dstStep, dst, srcBase, list, count);
  } else {
    ResamplePass24(dstStep, dst, srcBase, list, count);
  }
}

bool ResamplablePixelSize(std::int32_t bytesPerPixel) { return bytesPerPixel == 3 || bytesPerPixel == 4; }

void CopyRows(const TPixelView& src, const TPixelView& dst) {
  const std::size_t rowBytes = static_cast<std::size_t>(src.Width) * static_cast<std::size_t>(src.BytesPerPixel);
  for (std::int32_t y = 0; y < src.Height; ++y) std::memmove(dst.Row(y), src.Row(y), rowBytes);
}

}  // namespace

void BuildContributions(TContributionList& list, std::int32_t dstSize, std::int32_t srcSize, std::ptrdiff_t stride,
                        std::uint8_t filter) {
  list.Entries.clear();
  list.Starts.clear();
  if (dstSize < 1 || srcSize < 1) return;

  const float support = FilterSupport(filter);
  // A reduction widens the filter over the source and lowers its weights.
  const float scale = srcSize > dstSize ? static_cast<float>(static_cast<double>(dstSize) / srcSize) : 1.0f;
  const float width = support / scale;

  list.Starts.reserve(static_cast<std::size_t>(dstSize) + 1);
  list.Entries.reserve(static_cast<std::size_t>(dstSize) * static_cast<std::size_t>(2.0f * width + 1.0f));
  list.Starts.push_back(0);
  for (std::int32_t i = 0; i < dstSize; ++i) {
    const float centre = static_cast<float>(static_cast<double>(i) * srcSize / dstSize);
    const auto left = static_cast<std::int64_t>(std::floor(static_cast<double>(centre) - width));
    const auto right = static_cast<std::int64_t>(std::ceil(static_cast<double>(centre) + width));
    for (std::int64_t j = left; j <= right; ++j) {
      const auto t = static_cast<float>((static_cast<double>(centre) - static_cast<double>(j)) * scale);
      if (std::fabs(t) >= support) continue;
      const float weight = FilterWeight(filter, t);
      if (weight == 0.0f) continue;
      list.Entries.push_back(
          {static_cast<std::ptrdiff_t>(MirrorIndex(j, srcSize)) * stride,
           static_cast<std::int32_t>(std::nearbyint(static_cast<double>(weight) * scale * 65536.0))});
    }
    list.Starts.push_back(static_cast<std::int32_t>(list.Entries.size()));
  }
}

void FreeContributions(TContributionList& list) {
  std::vector<TContribution>().swap(list.Entries);
  std::vector<std::int32_t>().swap(list.Starts);
}

void ResamplePass24(std::ptrdiff_t dstStep, std::uint8_t* dst, const std::uint8_t* srcBase,
                    const TContributionList& list, std::int32_t count) {
  ResamplePass<3>(dstStep, dst, srcBase, list, count);
}

void ResamplePass32(std::ptrdiff_t dstStep, std::uint8_t* dst, const std::uint8_t* srcBase,
                    const TContributionList& list, std::int32_t count) {
  ResamplePass<4>(dstStep, dst, srcBase, list, count);
}

TTwoPassResample::TTwoPassResample(const TPixelView& src, std::int32_t newWidth, std::uint8_t filter)
    : filter_(filter) {
  if (!src.Valid() || src.Width < 2 || src.Height < 2) throw classlib::Exception(kSourceTooSmall);
  const std::int32_t bpp = src.BytesPerPixel;
  if (newWidth < 1 || !ResamplablePixelSize(bpp)) return;

  const std::ptrdiff_t rowBytes = static_cast<std::ptrdiff_t>(newWidth) * bpp;
  pixels_.resize(static_cast<std::size_t>(rowBytes) * static_cast<std::size_t>(src.Height));
  rows_ = MakeView(pixels_.data(), newWidth, src.Height, rowBytes, bpp);

  TContributionList list;
  BuildContributions(list, newWidth, src.Width, bpp, filter_);
  for (std::int32_t y = 0; y < src.Height; ++y) ResamplePass(bpp, bpp, rows_.Row(y), src.Row(y), list, newWidth);
}

void TTwoPassResample::ColumnsInto(const TPixelView& dst) const {
  if (!rows_.Valid() || !dst.Valid() || dst.Width != rows_.Width || dst.BytesPerPixel != rows_.BytesPerPixel) return;
  const std::int32_t bpp = rows_.BytesPerPixel;
  TContributionList list;
  BuildContributions(list, dst.Height, rows_.Height, rows_.Stride, filter_);
  for (std::int32_t x = 0; x < dst.Width; ++x) {
    ResamplePass(bpp, dst.Stride, dst.Row(0) + x * bpp, rows_.Bits + x * bpp, list, dst.Height);
  }
}

void ResamplePixels(const TPixelView& src, const TPixelView& dst, std::uint8_t filter) {
  if (!dst.Valid()) return;
  if (!src.Valid() || src.Width < 2 || src.Height < 2) throw classlib::Exception(kSourceTooSmall);
  if (dst.BytesPerPixel != src.BytesPerPixel || !ResamplablePixelSize(src.BytesPerPixel)) return;
  if (dst.Width == src.Width && dst.Height == src.Height) {
    CopyRows(src, dst);
    return;
  }
  TTwoPassResample(src, dst.Width, filter).ColumnsInto(dst);
}

}  // namespace skin::paint
