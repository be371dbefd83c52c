#pragma once
// The plain variants of the blend unit: portable, the rounding of each
// product separately (weights A and 255 - A).
#include "bitmap/Bmp32_Blend.h"

namespace bmp32::plain {

void ResetMultimediaState();
// The bound merge: premultiplies the background through the tables. With an
// opaque background it goes through the bound BlendPixel.
TColor32 MergePixel(TColor32 f, TColor32 b);
// The first merge form, registered but never bound: mixes F and B by Fa / Ra.
TColor32 MergePixelMix(TColor32 f, TColor32 b);
void MergePixelInPlace(TColor32 f, TColor32& b);
void MergeRow(const TColor32* src, TColor32* dst, std::int32_t count);
TColor32 MergePixelMaster(TColor32 f, TColor32 b, std::uint32_t m);
void MergePixelInPlaceMaster(TColor32 f, TColor32& b, std::uint32_t m);
void MergeRowMaster(const TColor32* src, TColor32* dst, std::int32_t count, std::uint32_t m);

TColor32 CombinePixel(TColor32 x, TColor32 y, std::uint32_t w);
void CombinePixelInPlace(TColor32 x, TColor32& y, std::uint32_t w);
void CombineRow(const TColor32* src, TColor32* dst, std::int32_t count, std::uint32_t w);

TColor32 BlendPixel(TColor32 f, TColor32 b);
void BlendPixelInPlace(TColor32 f, TColor32& b);
void BlendRow(const TColor32* src, TColor32* dst, std::int32_t count);
// The result's alpha byte is 0.
TColor32 BlendPixelMaster(TColor32 f, TColor32 b, std::uint32_t m);
void BlendPixelInPlaceMaster(TColor32 f, TColor32& b, std::uint32_t m);
void BlendRowMaster(const TColor32* src, TColor32* dst, std::int32_t count, std::uint32_t m);

TColor32 ChannelMax(TColor32 a, TColor32 b);
TColor32 ChannelMin(TColor32 a, TColor32 b);
TColor32 ChannelAverage(TColor32 a, TColor32 b);
TColor32 ChannelAdd(TColor32 a, TColor32 b);
TColor32 ChannelSub(TColor32 a, TColor32 b);
TColor32 ChannelDiv(TColor32 a, TColor32 b);
TColor32 ChannelModulate(TColor32 a, TColor32 b);
TColor32 ChannelDifference(TColor32 a, TColor32 b);
TColor32 ChannelExclusion(TColor32 a, TColor32 b);
TColor32 ChannelScale(TColor32 c, std::int32_t w);
TColor32 Lighten(TColor32 c, std::int32_t amount);

}  // namespace bmp32::plain
