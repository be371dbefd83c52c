#include "skin/paint/MaskCopy32.h"

#include <algorithm>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include "skin/paint/CopyClip.h"
#include "skin/paint/PixelRows.h"

namespace skin::paint {

namespace {

#ifdef __SSE2__
// Four pixels of CopyRowByMask32. The two products of a channel add up to at
// most 255 x 255, so the sum fits an unsigned 16-bit lane before the shift.
inline __m128i CopyByMask32x4(__m128i d, __m128i s, __m128i mask) {
  const __m128i zero = _mm_setzero_si128();
  const __m128i m = _mm_and_si128(_mm_srli_epi32(mask, 16), _mm_set1_epi32(0xFF));
  const __m128i m2 = _mm_or_si128(m, _mm_slli_epi32(m, 16));  // m in both halves of each pixel
  const __m128i mLo = _mm_unpacklo_epi32(m2, m2), mHi = _mm_unpackhi_epi32(m2, m2);
  const __m128i full = _mm_set1_epi16(255);
  const auto mix = [&](__m128i d16, __m128i s16, __m128i m16) {
    return _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(d16, m16), _mm_mullo_epi16(s16, _mm_sub_epi16(full, m16))), 8);
  };
  const __m128i colour = _mm_packus_epi16(mix(_mm_unpacklo_epi8(d, zero), _mm_unpacklo_epi8(s, zero), mLo),
                                          mix(_mm_unpackhi_epi8(d, zero), _mm_unpackhi_epi8(s, zero), mHi));
  const __m128i alphaBytes = _mm_set1_epi32(static_cast<int>(0xFF000000u));
  const __m128i opened = _mm_slli_epi32(_mm_sub_epi32(_mm_set1_epi32(255), m), 24);
  const __m128i alpha = _mm_max_epu8(_mm_and_si128(d, alphaBytes), opened);
  const __m128i copied = _mm_or_si128(_mm_andnot_si128(alphaBytes, colour), alpha);
  const __m128i key = _mm_cmpeq_epi32(s, _mm_set1_epi32(static_cast<int>(KeyPixel)));
  return _mm_or_si128(_mm_and_si128(key, _mm_andnot_si128(alphaBytes, d)), _mm_andnot_si128(key, copied));
}
#endif

}  // namespace

void CopyRowByMask32(std::uint32_t* dst, const std::uint32_t* src, const std::uint32_t* mask, std::int32_t count) {
  std::int32_t i = 0;
#ifdef __SSE2__
  for (; i + 4 <= count; i += 4) {
    const auto load = [](const std::uint32_t* p) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p)); };
    _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i), CopyByMask32x4(load(dst + i), load(src + i), load(mask + i)));
  }
#endif
  for (; i < count; ++i) {
    const std::uint32_t s = src[i];
    const std::uint32_t d = dst[i];
    if (s == KeyPixel) {
      dst[i] = d & 0x00FFFFFFu;
      continue;
    }
    const std::uint32_t m = PixelChannel(mask[i], 16);
    std::uint32_t out = std::max(PixelChannel(d, 24), 255 - m) << 24;
    for (int shift = 0; shift < 24; shift += 8)
      out |= ((PixelChannel(d, shift) * m + PixelChannel(s, shift) * (255 - m)) >> 8) << shift;
    dst[i] = out;
  }
}

void CopyByMask32(const TRect& dstRect, const TRect& srcRect, const TPixelView& dst, const TPixelView& src,
                  const TCacheView& ci, const TsMaskData& mask) {
  if (!dst.Is32() || !src.Is32()) return;
  const std::int64_t maskOffset = (std::int64_t{mask.R.Bottom} - mask.R.Top) / 2;
  const TPiece piece = MaskedPiece(dstRect, srcRect, src.Width, src.Height, dst.Width, dst.Height, maskOffset);
  if (piece.Empty()) return;
  const auto count = static_cast<std::int32_t>(piece.Cols.Count);
  const bool fromParent = ci.HasImage();
  for (std::int64_t j = 0; j < piece.Rows.Count; ++j) {
    const auto sy = static_cast<std::int32_t>(piece.Rows.Src + j);
    const auto dy = static_cast<std::int32_t>(piece.Rows.Dst + j);
    const std::uint32_t* s = src.Row32(sy) + piece.Cols.Src;
    std::uint32_t* d = dst.Row32(dy) + piece.Cols.Dst;
    if (!fromParent) {
      CopyRowByMask32(d, s, src.Row32(static_cast<std::int32_t>(sy + maskOffset)) + piece.Cols.Src, count);
      continue;
    }
    // Key pixels take the parent where it has a pixel; elsewhere the plain row rule.
    const std::uint32_t* m = src.Row32(static_cast<std::int32_t>(sy + maskOffset)) + piece.Cols.Src;
    for (std::int32_t i = 0; i < count; ++i) {
      const auto dx = static_cast<std::int32_t>(piece.Cols.Dst + i);
      if (s[i] == KeyPixel && HasParentPixel(ci, dx, dy))
        d[i] = ParentPixel(ci, dx, dy);
      else
        CopyRowByMask32(d + i, s + i, m + i, 1);
    }
  }
}

}  // namespace skin::paint
