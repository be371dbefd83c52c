#pragma once
// The skin resampler: scales a picture in two separable passes (rows, then
// columns) with one of the filters of ResampleFilters.h, from 16.16
// fixed-point weights computed once per pass. Pixels are 3 bytes (blue,
// green, red) or 4 (blue, green, red, alpha; alpha resampled like the
// colours).
//
// Destination index i samples around source position i x SrcSize / DstSize,
// with no half-pixel offset; indexes beyond an edge are mirrored back.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "skin/paint/PixelView.h"

namespace skin::paint {

// Raised (as classlib::Exception) for a source under 2 x 2 pixels.
inline constexpr wchar_t kSourceTooSmall[] = L"Source bitmap is too small";

struct TContribution {
  std::ptrdiff_t Offset = 0;  // source index x the pass's stride, in bytes
  std::int32_t Weight = 0;    // 16.16 fixed point; 65536 is 1.0
};

// The weights of one pass: destination i takes Count(i) entries from Of(i).
// Weights are not normalised: their sum is only near 65536.
struct TContributionList {
  std::vector<TContribution> Entries;
  std::vector<std::int32_t> Starts;  // DstSize + 1 positions in Entries

  std::int32_t DstSize() const { return Starts.empty() ? 0 : static_cast<std::int32_t>(Starts.size()) - 1; }
  std::int32_t Count(std::int32_t i) const { return Starts[i + 1] - Starts[i]; }
  const TContribution* Of(std::int32_t i) const { return Entries.data() + Starts[i]; }
};

// The weights for scaling SrcSize pixels to DstSize; each source index is
// mirrored into 0..SrcSize-1 and kept there when the filter is wider than
// the source. An empty list for sizes below 1.
void BuildContributions(TContributionList& list, std::int32_t dstSize, std::int32_t srcSize, std::ptrdiff_t stride,
                        std::uint8_t filter);
// Empties the list and gives its memory back.
void FreeContributions(TContributionList& list);

// Count destination pixels of one row or column: pixel i is the weighted sum
// of the pixels at SrcBase + the offsets of list entry i, per channel clamped
// to 0..255 (sum shr 16, truncated). Dst advances by DstStep bytes a pixel.
void ResamplePass24(std::ptrdiff_t dstStep, std::uint8_t* dst, const std::uint8_t* srcBase,
                    const TContributionList& list, std::int32_t count);
void ResamplePass32(std::ptrdiff_t dstStep, std::uint8_t* dst, const std::uint8_t* srcBase,
                    const TContributionList& list, std::int32_t count);

// A resample in its two steps, for a destination that is the source's own
// bitmap resized: construction runs the rows pass into an intermediate image
// (the source's height at the new width), after which the source is no
// longer read.
class TTwoPassResample {
 public:
  // Src: 3 or 4 bytes a pixel, at least 2 x 2 (else kSourceTooSmall).
  TTwoPassResample(const TPixelView& src, std::int32_t newWidth, std::uint8_t filter);

  // The columns pass into Dst, which must be NewWidth wide with the
  // source's pixel size; any height from 1.
  void ColumnsInto(const TPixelView& dst) const;

  const TPixelView& Rows() const { return rows_; }

 private:
  std::vector<std::uint8_t> pixels_;
  TPixelView rows_;
  std::uint8_t filter_;
};

// Src scaled to Dst's size (the same pixel size, other memory). Nothing for
// an empty Dst or a pixel size other than Src's; kSourceTooSmall for a
// source under 2 x 2; the same size copies.
void ResamplePixels(const TPixelView& src, const TPixelView& dst, std::uint8_t filter);

}  // namespace skin::paint
