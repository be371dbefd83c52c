#include "bitmap/Bmp32_BlendSse2.h"

#ifdef __SSE2__
#include <emmintrin.h>

#include <cstring>

#include "bitmap/Bmp32_BlendPlain.h"
#include "bitmap/Bmp32_BlendTables.h"

namespace bmp32::sse2 {

namespace {

// One pixel as four 16-bit lanes (blue, green, red, alpha) in the low 64 bits.
inline __m128i Unpack(TColor32 c) {
  return _mm_unpacklo_epi8(_mm_cvtsi32_si128(static_cast<int>(c)), _mm_setzero_si128());
}

inline TColor32 Pack(__m128i lanes) {
  return static_cast<TColor32>(_mm_cvtsi128_si32(_mm_packus_epi16(lanes, lanes)));
}

inline __m128i Weight(std::uint32_t a) {
  return _mm_load_si128(reinterpret_cast<const __m128i*>(&AlphaTable[a]));
}

inline __m128i Bias() { return _mm_load_si128(reinterpret_cast<const __m128i*>(BiasPointer)); }

// The alpha lane copied into all four lanes of each pixel.
inline __m128i AlphaLanes(__m128i lanes) {
  return _mm_shufflehi_epi16(_mm_shufflelo_epi16(lanes, 0xFF), 0xFF);
}

// (B*256 + 128 + (F - B)*A) shr 8 per lane, modulo 65536: the true value
// never exceeds 65408, so the wrap-around cancels out.
inline __m128i Mix(__m128i f, __m128i b, __m128i a, __m128i bias) {
  const __m128i delta = _mm_mullo_epi16(_mm_sub_epi16(f, b), a);
  return _mm_srli_epi16(_mm_add_epi16(_mm_add_epi16(_mm_slli_epi16(b, 8), bias), delta), 8);
}

inline __m128i Load4(const TColor32* p) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p)); }
inline void Store4(TColor32* p, __m128i v) { _mm_storeu_si128(reinterpret_cast<__m128i*>(p), v); }

// Four pixels of the single-rounding rule without unpacking: since B*256 is a
// multiple of 256, (B*256 + 128 + (F - B)*A) shr 8 = B + T with
// T = ((F - B)*A + 128) shr 8 (arithmetic), and as the result lies in 0..255,
// adding T to B byte by byte modulo 256 gives it exactly. Even bytes (blue,
// red) are worked on in the low half of each 16-bit lane, odd bytes (green,
// alpha) in the high half, so no shuffles are needed.
inline __m128i Mix4(__m128i f, __m128i b, __m128i a, __m128i bias) {
  const __m128i lowBytes = _mm_set1_epi16(0x00FF);
  const __m128i highBytes = _mm_set1_epi16(static_cast<short>(0xFF00));
  const __m128i evenDelta = _mm_sub_epi16(_mm_and_si128(f, lowBytes), _mm_and_si128(b, lowBytes));
  const __m128i oddDelta = _mm_sub_epi16(_mm_srli_epi16(f, 8), _mm_srli_epi16(b, 8));
  const __m128i even = _mm_add_epi16(_mm_mullo_epi16(evenDelta, a), bias);
  const __m128i odd = _mm_add_epi16(_mm_mullo_epi16(oddDelta, a), bias);
  return _mm_add_epi8(b, _mm_or_si128(_mm_srli_epi16(even, 8), _mm_and_si128(odd, highBytes)));
}

inline std::uint32_t MasterWeight(TColor32 f, std::uint32_t m) {
  if (m > 255) m = 255;
  return ((m + 1) * (f >> 24)) >> 8;
}

}  // namespace

void ResetMultimediaState() {}

TColor32 MergePixel(TColor32 f, TColor32 b) {
  const std::uint32_t fa = f >> 24;
  if (fa == 0) return b;
  const std::uint32_t ba = b >> 24;
  if (fa == 255 || ba == 0) return f;
  const std::uint32_t x = 255 * 255 - (255 - fa) * (255 - ba);
  const std::uint32_t ra = (x * 32897u) >> 23;
  const std::uint32_t d = (x * 32897u) >> 15;
  // Fa / Ra in steps of 1/4096; at most 4112, so it fits a signed lane.
  const std::uint32_t q = ((fa << 20) + 4096) / d;
  const __m128i uf = Unpack(f);
  const __m128i ub = Unpack(b);
  const __m128i delta = _mm_slli_epi16(_mm_sub_epi16(uf, ub), 4);
  const __m128i step = _mm_mulhi_epi16(delta, _mm_set1_epi16(static_cast<short>(q)));
  const TColor32 colour = Pack(_mm_add_epi16(ub, step));
  return (colour & 0x00FFFFFF) | (ra << 24);
}

TColor32 CombinePixel(TColor32 x, TColor32 y, std::uint32_t w) {
  if (w > 255) w = 255;
  return Pack(Mix(Unpack(x), Unpack(y), Weight(w), Bias()));
}

void CombinePixelInPlace(TColor32 x, TColor32& y, std::uint32_t w) {
  if (w == 0) return;
  if (w >= 255) {
    y = x;
    return;
  }
  y = CombinePixel(x, y, w);
}

void CombineRow(const TColor32* src, TColor32* dst, std::int32_t count, std::uint32_t w) {
  if (count <= 0 || w == 0) return;
  if (w >= 255) {
    std::memmove(dst, src, static_cast<std::size_t>(count) * sizeof(TColor32));
    return;
  }
  const __m128i bias = Bias();
  const __m128i weight = Weight(w);
  std::int32_t i = 0;
  for (; i + 4 <= count; i += 4) Store4(dst + i, Mix4(Load4(src + i), Load4(dst + i), weight, bias));
  for (; i < count; ++i) dst[i] = CombinePixel(src[i], dst[i], w);
}

TColor32 BlendPixel(TColor32 f, TColor32 b) {
  const __m128i uf = Unpack(f);
  return Pack(Mix(uf, Unpack(b), AlphaLanes(uf), Bias()));
}

void BlendPixelInPlace(TColor32 f, TColor32& b) {
  const std::uint32_t fa = f >> 24;
  if (fa == 0) return;
  b = fa == 255 ? f : BlendPixel(f, b);
}

void BlendRow(const TColor32* src, TColor32* dst, std::int32_t count) {
  const __m128i zero = _mm_setzero_si128();
  const __m128i bias = Bias();
  const __m128i alphaMask = _mm_set1_epi32(static_cast<int>(0xFF000000));
  std::int32_t i = 0;
  for (; i + 4 <= count; i += 4) {
    const __m128i s = Load4(src + i);
    const __m128i d = Load4(dst + i);
    const __m128i sl = _mm_unpacklo_epi8(s, zero);
    const __m128i sh = _mm_unpackhi_epi8(s, zero);
    const __m128i lo = Mix(sl, _mm_unpacklo_epi8(d, zero), AlphaLanes(sl), bias);
    const __m128i hi = Mix(sh, _mm_unpackhi_epi8(d, zero), AlphaLanes(sh), bias);
    // Opaque foreground pixels are stored exactly; transparent ones give B
    // exactly by the rule itself.
    const __m128i opaque = _mm_cmpeq_epi32(_mm_and_si128(s, alphaMask), alphaMask);
    const __m128i mixed = _mm_packus_epi16(lo, hi);
    Store4(dst + i, _mm_or_si128(_mm_and_si128(opaque, s), _mm_andnot_si128(opaque, mixed)));
  }
  for (; i < count; ++i) BlendPixelInPlace(src[i], dst[i]);
}

TColor32 BlendPixelMaster(TColor32 f, TColor32 b, std::uint32_t m) {
  const std::uint32_t a = MasterWeight(f, m);
  if (a == 0) return b;
  return Pack(Mix(Unpack(f), Unpack(b), Weight(a), Bias()));
}

void BlendPixelInPlaceMaster(TColor32 f, TColor32& b, std::uint32_t m) {
  if (MasterWeight(f, m) != 0) b = BlendPixelMaster(f, b, m);
}

void BlendRowMaster(const TColor32* src, TColor32* dst, std::int32_t count, std::uint32_t m) {
  if (m > 255) m = 255;
  const __m128i zero = _mm_setzero_si128();
  const __m128i bias = Bias();
  const __m128i master = _mm_set1_epi16(static_cast<short>(m + 1));
  std::int32_t i = 0;
  for (; i + 4 <= count; i += 4) {
    const __m128i s = Load4(src + i);
    const __m128i d = Load4(dst + i);
    const __m128i sl = _mm_unpacklo_epi8(s, zero);
    const __m128i sh = _mm_unpackhi_epi8(s, zero);
    // A = ((M + 1) * Fa) shr 8; A = 0 gives B exactly.
    const __m128i al = _mm_srli_epi16(_mm_mullo_epi16(AlphaLanes(sl), master), 8);
    const __m128i ah = _mm_srli_epi16(_mm_mullo_epi16(AlphaLanes(sh), master), 8);
    const __m128i lo = Mix(sl, _mm_unpacklo_epi8(d, zero), al, bias);
    const __m128i hi = Mix(sh, _mm_unpackhi_epi8(d, zero), ah, bias);
    Store4(dst + i, _mm_packus_epi16(lo, hi));
  }
  for (; i < count; ++i) BlendPixelInPlaceMaster(src[i], dst[i], m);
}

namespace {

inline __m128i Bytes(TColor32 c) { return _mm_cvtsi32_si128(static_cast<int>(c)); }
inline TColor32 FromBytes(__m128i v) { return static_cast<TColor32>(_mm_cvtsi128_si32(v)); }

}  // namespace

TColor32 ChannelMax(TColor32 a, TColor32 b) { return FromBytes(_mm_max_epu8(Bytes(a), Bytes(b))); }
TColor32 ChannelMin(TColor32 a, TColor32 b) { return FromBytes(_mm_min_epu8(Bytes(a), Bytes(b))); }
TColor32 ChannelAdd(TColor32 a, TColor32 b) { return FromBytes(_mm_adds_epu8(Bytes(a), Bytes(b))); }
TColor32 ChannelSub(TColor32 a, TColor32 b) { return FromBytes(_mm_subs_epu8(Bytes(a), Bytes(b))); }

TColor32 ChannelModulate(TColor32 a, TColor32 b) {
  return Pack(_mm_srli_epi16(_mm_mullo_epi16(Unpack(a), Unpack(b)), 8));
}

TColor32 ChannelDifference(TColor32 a, TColor32 b) {
  const __m128i x = Bytes(a);
  const __m128i y = Bytes(b);
  return FromBytes(_mm_or_si128(_mm_subs_epu8(x, y), _mm_subs_epu8(y, x)));
}

TColor32 ChannelExclusion(TColor32 a, TColor32 b) {
  const __m128i x = Unpack(a);
  const __m128i y = Unpack(b);
  const __m128i product = _mm_srli_epi16(_mm_mullo_epi16(x, y), 7);
  return Pack(_mm_sub_epi16(_mm_add_epi16(x, y), product));
}

TColor32 ChannelScale(TColor32 c, std::int32_t w) {
  // The weight table covers 0..255 only; other weights take the plain form,
  // which gives the same result wherever both are defined.
  if (w < 0 || w > 255) return plain::ChannelScale(c, w);
  return Pack(_mm_srli_epi16(_mm_mullo_epi16(Unpack(c), Weight(static_cast<std::uint32_t>(w))), 8));
}

TColor32 Lighten(TColor32 c, std::int32_t amount) {
  if (amount < -255 || amount > 255) return plain::Lighten(c, amount);
  if (amount >= 0)
    return FromBytes(_mm_adds_epu8(Bytes(c), Bytes(static_cast<std::uint32_t>(amount) * 0x10101u)));
  return FromBytes(_mm_subs_epu8(Bytes(c), Bytes(static_cast<std::uint32_t>(-amount) * 0x10101u)));
}

}  // namespace bmp32::sse2
#endif
