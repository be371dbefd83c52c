#include "skin/paint/PixelRowsSse2.h"

#ifdef __SSE2__
#include <emmintrin.h>

#include <cstring>

namespace skin::paint::sse2 {

namespace {

inline __m128i Load4(const std::uint32_t* p) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p)); }
inline void Store4(std::uint32_t* p, __m128i v) { _mm_storeu_si128(reinterpret_cast<__m128i*>(p), v); }
inline __m128i Splat(std::uint32_t v) { return _mm_set1_epi32(static_cast<int>(v)); }

// Per byte d := (d x w + s x (256 - w)) shr 8, i.e. s + ((d - s) x w) shr 8
// with an arithmetic shift: s x 256 is a multiple of 256, so the floor
// moves onto the product alone. The result lies in 0..255, so adding the
// product's bits 8..15 to s byte by byte, modulo 256, gives it exactly, and
// those bits are exact in a 16-bit multiply even though the product itself
// does not fit. Even bytes (blue, red) are weighted in the low half of each
// 16-bit lane by evenWeights, odd bytes (green, alpha) in the high half by
// oddWeights, each weight 0..256.
inline __m128i MixTowardsDest(__m128i d, __m128i s, __m128i evenWeights, __m128i oddWeights) {
  const __m128i lowBytes = _mm_set1_epi16(0x00FF);
  const __m128i highBytes = _mm_set1_epi16(static_cast<short>(0xFF00));
  const __m128i evenDelta = _mm_sub_epi16(_mm_and_si128(d, lowBytes), _mm_and_si128(s, lowBytes));
  const __m128i oddDelta = _mm_sub_epi16(_mm_srli_epi16(d, 8), _mm_srli_epi16(s, 8));
  const __m128i even = _mm_srli_epi16(_mm_mullo_epi16(evenDelta, evenWeights), 8);
  const __m128i odd = _mm_and_si128(_mm_mullo_epi16(oddDelta, oddWeights), highBytes);
  return _mm_add_epi8(s, _mm_or_si128(even, odd));
}

// What a masked row step needs besides the pixels.
struct MaskRowLanes {
  __m128i keyMatch;    // all ones where a key source pixel is to be skipped
  __m128i keptAlpha;   // 0xFF000000 where the destination's alpha stays
  __m128i forcedAlpha; // 0xFF000000 where blended pixels become opaque
};

inline MaskRowLanes LanesFor(std::uint32_t mode) {
  const bool opaque = (mode & mrAlphaOpaque) != 0;
  return {Splat((mode & mrSkipKeys) != 0 ? 0xFFFFFFFFu : 0), Splat(opaque ? 0 : 0xFF000000u),
          Splat(opaque ? 0xFF000000u : 0)};
}

inline __m128i BlendByMask4(__m128i d, __m128i s, __m128i m, const MaskRowLanes& lanes) {
  const __m128i mixed = MixTowardsDest(d, s, _mm_and_si128(m, _mm_set1_epi16(0x00FF)), _mm_srli_epi16(m, 8));
  const __m128i alpha = _mm_or_si128(_mm_and_si128(d, lanes.keptAlpha), lanes.forcedAlpha);
  const __m128i blended = _mm_or_si128(_mm_and_si128(mixed, Splat(0x00FFFFFFu)), alpha);
  const __m128i skip = _mm_and_si128(_mm_cmpeq_epi32(s, Splat(KeyPixel)), lanes.keyMatch);
  return _mm_or_si128(_mm_and_si128(skip, d), _mm_andnot_si128(skip, blended));
}

inline __m128i BlendConst4(__m128i d, __m128i s, __m128i weights) {
  const __m128i mixed = MixTowardsDest(d, s, weights, weights);
  const __m128i alphaBytes = Splat(0xFF000000u);
  return _mm_or_si128(_mm_andnot_si128(alphaBytes, mixed), _mm_and_si128(d, alphaBytes));
}

inline __m128i Premultiply4(__m128i p) {
  const __m128i alpha = _mm_srli_epi32(p, 24);
  const __m128i weights = _mm_or_si128(alpha, _mm_slli_epi32(alpha, 16));
  // Blue and red come out in bytes 0 and 2, green x alpha in the low lane of
  // the odd half; products of two bytes fit an unsigned 16-bit lane.
  const __m128i even = _mm_srli_epi16(_mm_mullo_epi16(_mm_and_si128(p, _mm_set1_epi16(0x00FF)), weights), 8);
  const __m128i green = _mm_and_si128(_mm_mullo_epi16(_mm_srli_epi16(p, 8), weights), Splat(0x0000FF00u));
  const __m128i result = _mm_or_si128(_mm_or_si128(even, green), _mm_and_si128(p, Splat(0xFF000000u)));
  const __m128i transparentWhite = _mm_cmpeq_epi32(p, Splat(0x00FFFFFFu));
  return _mm_andnot_si128(transparentWhite, result);
}

// The last count % 4 pixels go through the four-pixel step by way of a
// buffer, so the rest of a row never reads or writes past its end.
struct Tail {
  std::uint32_t pixels[4] = {};
  void From(const std::uint32_t* p, std::int32_t n) { std::memcpy(pixels, p, sizeof(std::uint32_t) * n); }
  void To(std::uint32_t* p, std::int32_t n) const { std::memcpy(p, pixels, sizeof(std::uint32_t) * n); }
  __m128i Get() const { return Load4(pixels); }
  void Set(__m128i v) { Store4(pixels, v); }
};

}  // namespace

void BlendRowByMask(std::uint32_t* dst, const std::uint32_t* src, const std::uint32_t* mask,
                    std::int32_t count, std::uint32_t mode) {
  const MaskRowLanes lanes = LanesFor(mode);
  std::int32_t i = 0;
  for (; i + 4 <= count; i += 4)
    Store4(dst + i, BlendByMask4(Load4(dst + i), Load4(src + i), Load4(mask + i), lanes));
  const std::int32_t rest = count - i;
  if (rest <= 0) return;
  Tail d, s, m;
  d.From(dst + i, rest);
  s.From(src + i, rest);
  m.From(mask + i, rest);
  d.Set(BlendByMask4(d.Get(), s.Get(), m.Get(), lanes));
  d.To(dst + i, rest);
}

void BlendRowConst(std::uint32_t* dst, const std::uint32_t* src, std::int32_t count, std::uint32_t kept) {
  const __m128i weights = _mm_set1_epi16(static_cast<short>(kept > 256 ? 256 : kept));
  std::int32_t i = 0;
  for (; i + 4 <= count; i += 4) Store4(dst + i, BlendConst4(Load4(dst + i), Load4(src + i), weights));
  const std::int32_t rest = count - i;
  if (rest <= 0) return;
  Tail d, s;
  d.From(dst + i, rest);
  s.From(src + i, rest);
  d.Set(BlendConst4(d.Get(), s.Get(), weights));
  d.To(dst + i, rest);
}

void PremultiplyRow(std::uint32_t* row, std::int32_t count) {
  std::int32_t i = 0;
  for (; i + 4 <= count; i += 4) Store4(row + i, Premultiply4(Load4(row + i)));
  const std::int32_t rest = count - i;
  if (rest <= 0) return;
  Tail p;
  p.From(row + i, rest);
  p.Set(Premultiply4(p.Get()));
  p.To(row + i, rest);
}

}  // namespace skin::paint::sse2
#endif
