#pragma once
// The SSE2 variants of the blend unit. The mixing forms round once:
// (B*256 + 128 + (F - B)*A) shr 8 per lane, alpha included, which weights B by
// 256 - A and can differ from the plain forms by -1..+2 per channel.
#include "bitmap/Bmp32_Blend.h"

#ifdef __SSE2__
namespace bmp32::sse2 {

void ResetMultimediaState();
// Registered, never bound: the plain merge registered after it always wins.
TColor32 MergePixel(TColor32 f, TColor32 b);

TColor32 CombinePixel(TColor32 x, TColor32 y, std::uint32_t w);
void CombinePixelInPlace(TColor32 x, TColor32& y, std::uint32_t w);
void CombineRow(const TColor32* src, TColor32* dst, std::int32_t count, std::uint32_t w);

TColor32 BlendPixel(TColor32 f, TColor32 b);
void BlendPixelInPlace(TColor32 f, TColor32& b);
void BlendRow(const TColor32* src, TColor32* dst, std::int32_t count);
TColor32 BlendPixelMaster(TColor32 f, TColor32 b, std::uint32_t m);
void BlendPixelInPlaceMaster(TColor32 f, TColor32& b, std::uint32_t m);
void BlendRowMaster(const TColor32* src, TColor32* dst, std::int32_t count, std::uint32_t m);

TColor32 ChannelMax(TColor32 a, TColor32 b);
TColor32 ChannelMin(TColor32 a, TColor32 b);
TColor32 ChannelAdd(TColor32 a, TColor32 b);
TColor32 ChannelSub(TColor32 a, TColor32 b);
TColor32 ChannelModulate(TColor32 a, TColor32 b);
TColor32 ChannelDifference(TColor32 a, TColor32 b);
TColor32 ChannelExclusion(TColor32 a, TColor32 b);
TColor32 ChannelScale(TColor32 c, std::int32_t w);
TColor32 Lighten(TColor32 c, std::int32_t amount);

}  // namespace bmp32::sse2
#endif
