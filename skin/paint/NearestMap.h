#pragma once
// The nearest-pixel mapping of every stretch of the skin painters: each
// destination pixel takes the source pixel under its centre, so a stretch
// repeats or drops whole rows and columns and never mixes them. Pixel d of
// a run of dstLen shows pixel ((2d + 1) x srcLen) div (2 x dstLen) of a run
// of srcLen. (The platform's own stretch maps columns differently between
// systems, so the painters never use it.)
#include <cstdint>

namespace skin::paint {

// The source offset (0 .. srcLen - 1) of destination offset d (0 .. dstLen - 1).
inline std::int64_t NearestSource(std::int64_t d, std::int64_t dstLen, std::int64_t srcLen) {
  // 128-bit: the product of two 33-bit lengths does not fit 64 bits.
  return static_cast<std::int64_t>((static_cast<__int128>(d) * 2 + 1) * srcLen / (2 * static_cast<__int128>(dstLen)));
}

}  // namespace skin::paint
