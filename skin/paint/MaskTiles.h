#pragma once
// Tiled sides and centres of the nine-piece painters, a row at a time: each
// tile row is repeated once into a chunk of a few hundred pixels, and the
// clipped destination row is copied or blended chunk by chunk, where a
// tile-by-tile copy would make a call per tile. The result is that of the Part's rule (whole
// tiles from the near end, the cut tile last), since a pixel at offset k
// from the near end always shows tile pixel k mod the tile length.
#include <cstdint>

#include "skin/core/SkinTypes.h"
#include "skin/paint/PixelView.h"

namespace skin::paint {

// What a tile row does to the destination row.
enum TTileRule : std::uint8_t {
  trCopy,          // plain copy (frames without a mask image)
  trMaskSkipKeys,  // masked blend, key pixels skipped, alpha kept
  trMask32,        // the alpha-keeping masked copy (CopyRowByMask32)
};

// A tiled block: the destination block and the source tile; the tile's
// mask lies MaskOffset rows below it (unused for trCopy).
struct TTileBlock {
  std::int64_t DstX = 0, DstY = 0, DstW = 0, DstH = 0;
  std::int64_t SrcX = 0, SrcY = 0, SrcW = 0, SrcH = 0;
  std::int64_t MaskOffset = 0;
};

// Paints the part of the block inside Clip (which lies inside Dst). The
// tile and its mask rows must lie in Src, else nothing is drawn; a tile
// with no width or height draws nothing.
void TileBlock(const TPixelView& dst, const TRect& clip, const TPixelView& src, const TTileBlock& block,
               TTileRule rule);

}  // namespace skin::paint
