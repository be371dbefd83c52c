// Scales fuzzed pictures with the skin resampler: any source and target
// size (tiny, empty and negative ones too), any filter byte, 24- or 32-bit
// pixels and top-down or bottom-up targets. The sanitizers watch every read
// and write; the contributions must index inside the source.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "classlib/core/Exception.h"
#include "skin/paint/Resample.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

struct Bytes {
  const std::uint8_t* data;
  std::size_t size;
  std::size_t at = 0;
  std::uint8_t Next() { return at < size ? data[at++] : 0; }
  std::uint16_t Next16() { return static_cast<std::uint16_t>(Next() | Next() << 8); }
};

void CheckContributions(std::int32_t dstSize, std::int32_t srcSize, std::uint8_t filter) {
  constexpr std::ptrdiff_t kStride = 7;
  skin::paint::TContributionList list;
  skin::paint::BuildContributions(list, dstSize, srcSize, kStride, filter);
  Check(list.DstSize() == (dstSize > 0 && srcSize > 0 ? dstSize : 0));
  for (const skin::paint::TContribution& entry : list.Entries) {
    Check(entry.Offset % kStride == 0 && entry.Offset >= 0 && entry.Offset / kStride < srcSize);
  }
  skin::paint::FreeContributions(list);
  Check(list.Entries.empty() && list.Starts.empty());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Bytes in{data, size};
  const std::int32_t sw = in.Next() % 48, sh = in.Next() % 48;
  const std::int32_t dw = in.Next16() % 700 - 3, dh = in.Next16() % 400 - 3;
  const std::uint8_t filter = in.Next();
  const std::uint8_t mode = in.Next();
  const std::int32_t bpp = (mode & 1) ? 4 : 3;
  const bool bottomUp = (mode & 2) != 0;

  CheckContributions(dw, sw, filter);
  CheckContributions(in.Next16() % 5000, in.Next16() % 5000, filter);

  std::vector<std::uint8_t> src(static_cast<std::size_t>(sw) * sh * bpp);
  for (std::uint8_t& b : src) b = in.Next();
  const std::ptrdiff_t srcStride = std::ptrdiff_t{sw} * bpp;
  const skin::paint::TPixelView srcView = skin::paint::MakeView(src.data(), sw, sh, srcStride, bpp);

  const std::size_t dstBytes = dw > 0 && dh > 0 ? static_cast<std::size_t>(dw) * dh * bpp : 0;
  std::vector<std::uint8_t> dst(dstBytes);
  const std::ptrdiff_t dstStride = std::ptrdiff_t{dw} * bpp;
  skin::paint::TPixelView dstView = skin::paint::MakeView(dst.data(), dw, dh, dstStride, bpp);
  if (bottomUp && dstBytes != 0) {
    dstView = skin::paint::MakeView(dst.data() + (dh - 1) * dstStride, dw, dh, -dstStride, bpp);
  }

  const bool tooSmall = sw < 2 || sh < 2;
  try {
    skin::paint::ResamplePixels(srcView, dstView, filter);
    Check(!tooSmall || dstBytes == 0);
  } catch (const classlib::Exception& e) {
    Check(tooSmall && dstBytes != 0 && e.Message() == skin::paint::kSourceTooSmall);
  }
  return 0;
}
