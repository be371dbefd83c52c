#pragma once
// The SSE2 variants of the hot skin rows: byte for byte the results of the
// plain forms, four pixels per step.
#include "skin/paint/PixelRows.h"

#ifdef __SSE2__
#include "bitmap/Bmp32_LowLevel.h"

namespace skin::paint::sse2 {

void BlendRowByMask(std::uint32_t* dst, const std::uint32_t* src, const std::uint32_t* mask,
                    std::int32_t count, std::uint32_t mode);
void BlendRowConst(std::uint32_t* dst, const std::uint32_t* src, std::int32_t count, std::uint32_t kept);
void PremultiplyRow(std::uint32_t* row, std::int32_t count);
// The bitmap library's vector fill is this row already.
inline constexpr TFillDWords* FillDWords = bmp32::sse2::FillPixels;

}  // namespace skin::paint::sse2
#endif
