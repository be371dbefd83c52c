#pragma once
// Clipping of a piece copied from one bitmap to another: a run of Count
// positions starting at Src in the source and at Dst in the destination,
// cut so that every position lies inside both.
#include <algorithm>
#include <cstdint>

#include "skin/core/SkinTypes.h"
#include "skin/paint/PixelOps.h"

namespace skin::paint {

struct TSpan {
  std::int64_t Src = 0;
  std::int64_t Dst = 0;
  std::int64_t Count = 0;
};

// Cuts a span to [srcLo, srcHi) and [dstLo, dstHi): a start below its range
// moves both starts forward together. Count < 1 afterwards: nothing.
inline TSpan ClipSpanTo(TSpan s, std::int64_t srcLo, std::int64_t srcHi, std::int64_t dstLo,
                        std::int64_t dstHi) {
  const std::int64_t shift = std::max<std::int64_t>({0, srcLo - s.Src, dstLo - s.Dst});
  s.Src += shift;
  s.Dst += shift;
  s.Count -= shift;
  s.Count = std::min({s.Count, srcHi - s.Src, dstHi - s.Dst});
  return s;
}
inline TSpan ClipSpan(TSpan s, std::int64_t srcSize, std::int64_t dstSize) {
  return ClipSpanTo(s, 0, srcSize, 0, dstSize);
}

// A piece: its columns and rows.
struct TPiece {
  TSpan Cols;
  TSpan Rows;
  bool Empty() const { return Cols.Count < 1 || Rows.Count < 1; }
};

// The inclusive SrcRect cut to the source's size (its placement at (X, Y)
// unchanged: the first row and column kept go to Y and X), then the rows and
// columns that fall outside the destination dropped.
inline TPiece InclusivePieceAt(std::int32_t srcWidth, std::int32_t srcHeight, std::int32_t dstWidth,
                               std::int32_t dstHeight, std::int32_t x, std::int32_t y, const TRect& srcRect) {
  const std::int64_t left = std::max(0, srcRect.Left);
  const std::int64_t top = std::max(0, srcRect.Top);
  const std::int64_t right = std::min(srcRect.Right, srcWidth - 1);
  const std::int64_t bottom = std::min(srcRect.Bottom, srcHeight - 1);
  return TPiece{ClipSpan({left, x, right - left + 1}, srcWidth, dstWidth),
                ClipSpan({top, y, bottom - top + 1}, srcHeight, dstHeight)};
}

// The whole of a Src placed with its top-left corner at (X, Y) of Dst,
// cut to both.
inline TPiece WholePieceAt(std::int32_t srcWidth, std::int32_t srcHeight, std::int32_t dstWidth,
                           std::int32_t dstHeight, std::int32_t x, std::int32_t y) {
  return TPiece{ClipSpan({0, x, srcWidth}, srcWidth, dstWidth), ClipSpan({0, y, srcHeight}, srcHeight, dstHeight)};
}

// The pixels of an inclusive rectangle's side (last - first + 1), in 64 bits
// so that no rectangle overflows.
inline std::int64_t InclusiveLength(std::int32_t first, std::int32_t last) {
  return std::int64_t{last} - first + 1;
}

// The run shared by an inclusive source and destination range (first and
// last positions), before clipping: as long as the shorter of the two.
inline TSpan InclusivePair(std::int32_t srcFirst, std::int32_t srcLast, std::int32_t dstFirst,
                           std::int32_t dstLast) {
  return TSpan{srcFirst, dstFirst, std::min(InclusiveLength(srcFirst, srcLast), InclusiveLength(dstFirst, dstLast))};
}

// The piece of a masked copy between inclusive rectangles: the shorter of
// the two ranges on each axis, cut to both images; rows also so that each
// source row's mask row, maskOffset rows below it, lies in the source.
inline TPiece MaskedPiece(const TRect& dstRect, const TRect& srcRect, std::int32_t srcWidth, std::int32_t srcHeight,
                          std::int32_t dstWidth, std::int32_t dstHeight, std::int64_t maskOffset) {
  return TPiece{ClipSpan(InclusivePair(srcRect.Left, srcRect.Right, dstRect.Left, dstRect.Right), srcWidth, dstWidth),
                ClipSpanTo(InclusivePair(srcRect.Top, srcRect.Bottom, dstRect.Top, dstRect.Bottom),
                           std::max<std::int64_t>(0, -maskOffset), srcHeight - std::max<std::int64_t>(0, maskOffset), 0,
                           dstHeight)};
}

// A colour (0x00BBGGRR) as the 32-bit pixel it keys: blue, green, red and a
// zero fourth byte.
inline std::uint32_t KeyOfColor(TColor color) {
  return SwapRedBlue(static_cast<std::uint32_t>(color)) & 0x00FFFFFFu;
}
// A colour as a whole pixel, its fourth byte as alpha.
inline std::uint32_t PixelOfColor(TColor color) { return SwapRedBlue(static_cast<std::uint32_t>(color)); }

}  // namespace skin::paint
