#pragma once
// Stretching one piece of a mask frame whose transparency is given by its
// mask image: sides of stretched masks and the centre. Enlarging a side
// repeats pixels (NearestMap.h), shrinking a side alone filters it, and the
// centre is always filtered (Mitchell for the colours, Hermite for the
// mask). Nothing is read outside the source or written outside the
// destination.
#include <cstdint>

#include "skin/core/SkinTypes.h"
#include "skin/paint/PixelView.h"

namespace skin::paint {

// The rule that puts a stretched colour pixel c with mask pixel m onto d.
enum TStretchRule : std::uint8_t {
  // d := ((d - c) x m + c x 256) shr 8 per channel (m's same channel); alpha 255.
  srBlendOpaque,
  // m the red byte: 0 gives c at alpha 255, 255 keeps d, others mix by
  // min(m, alpha) with a shift by 8 and raise the alpha to 255 - m.
  srAlphaKeeping,
};

// The block (SrcX, SrcY, SrcW, SrcH) of Src stretched onto (DstX, DstY,
// DstW, DstH) of Dst, its mask MaskOffset rows below the block. MaskOffset 0
// is a plain nearest-pixel stretch. Nothing unless the destination block
// starts inside Dst, Dst is at least 2 x 2 and the block and its mask rows
// lie in Src; rows and columns beyond Dst are left out.
void StretchByMask(std::int32_t dstX, std::int32_t dstY, std::int32_t dstW, std::int32_t dstH, std::int32_t srcX,
                   std::int32_t srcY, std::int32_t srcW, std::int32_t srcH, const TPixelView& dst,
                   const TPixelView& src, std::int32_t maskOffset, bool centre);
// The same with the alpha-keeping rule, for layered windows.
void StretchByMask32(std::int32_t dstX, std::int32_t dstY, std::int32_t dstW, std::int32_t dstH,
                     std::int32_t srcX, std::int32_t srcY, std::int32_t srcW, std::int32_t srcH,
                     const TPixelView& dst, const TPixelView& src, std::int32_t maskOffset, bool centre);

// A stretched block to paint: destination and source blocks, mask offset.
struct TStretchBlock {
  std::int64_t DstX = 0, DstY = 0, DstW = 0, DstH = 0;
  std::int64_t SrcX = 0, SrcY = 0, SrcW = 0, SrcH = 0;
  std::int64_t MaskOffset = 0;
  bool Centre = false;
};

// The painters' form: only the pixels inside Clip (already inside Dst) are
// written, so a block may start before the clip.
void StretchBlockByMask(const TPixelView& dst, const TRect& clip, const TPixelView& src, const TStretchBlock& block,
                        TStretchRule rule);

}  // namespace skin::paint
