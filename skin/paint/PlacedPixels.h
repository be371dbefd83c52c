#pragma once
// A walk over the pixels a whole source image covers once it is placed at
// (X, Y) of a 32-bit destination, both clipped: the stamps and masks laid
// over images use it.
#include <cstdint>

#include "skin/paint/CopyClip.h"
#include "skin/paint/PixelView.h"

namespace skin::paint {

// Calls Apply(source pixel, destination pixel) for each covered pair;
// SrcPixel is the source's pixel type (std::uint8_t for 8-bit masks).
template <class SrcPixel, class F>
void ForEachPlacedPixel(const TPixelView& dst, const TPixelView& src, const TPoint& at, F apply) {
  const TPiece piece = WholePieceAt(src.Width, src.Height, dst.Width, dst.Height, at.X, at.Y);
  if (piece.Empty()) return;
  for (std::int64_t row = 0; row < piece.Rows.Count; ++row) {
    const auto* s = reinterpret_cast<const SrcPixel*>(src.Row(static_cast<std::int32_t>(piece.Rows.Src + row))) +
                    piece.Cols.Src;
    std::uint32_t* d = dst.Row32(static_cast<std::int32_t>(piece.Rows.Dst + row)) + piece.Cols.Dst;
    for (std::int64_t x = 0; x < piece.Cols.Count; ++x) apply(s[x], d[x]);
  }
}

}  // namespace skin::paint
