#include "bitmap/Bmp32_ResamplePasses.h"

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace bmp32 {

namespace {

// Columns [from, to) of the weighted row sum, as integers or as floats.
template <class Out>
void SumColumnsPlain(const TColor32* const* rows, TCluster cluster, std::int32_t from, std::int32_t to, Out* out) {
  for (std::int32_t x = from; x < to; ++x) {
    std::int32_t b = 0, g = 0, r = 0, a = 0;
    for (std::size_t k = 0; k < cluster.size(); ++k) {
      const TColor32 c = rows[k][x];
      const std::int32_t w = cluster[k].Weight;
      b += static_cast<std::int32_t>(c & 0xFF) * w;
      g += static_cast<std::int32_t>((c >> 8) & 0xFF) * w;
      r += static_cast<std::int32_t>((c >> 16) & 0xFF) * w;
      a += static_cast<std::int32_t>(c >> 24) * w;
    }
    Out* s = out + 4 * x;
    s[0] = static_cast<Out>(b), s[1] = static_cast<Out>(g), s[2] = static_cast<Out>(r), s[3] = static_cast<Out>(a);
  }
}

#ifdef __SSE2__
void Store(std::int32_t* out, __m128i v) { _mm_storeu_si128(reinterpret_cast<__m128i*>(out), v); }
void Store(float* out, __m128i v) { _mm_storeu_ps(out, _mm_cvtepi32_ps(v)); }

// Two source rows share one multiply-add: their bytes interleave as 16-bit
// pairs against the pair of weights. Eight columns per step.
template <class Out>
std::int32_t SumColumnsSse2(const TColor32* const* rows, TCluster cluster, std::int32_t width, Out* out) {
  constexpr std::size_t kMaxPairs = 64;
  const std::size_t count = cluster.size();
  const std::size_t pairs = (count + 1) / 2;
  if (pairs > kMaxPairs) return 0;
  const TColor32* upper[kMaxPairs];
  const TColor32* lower[kMaxPairs];
  __m128i weights[kMaxPairs];
  for (std::size_t p = 0; p < pairs; ++p) {
    const std::size_t k = 2 * p;
    const bool second = k + 1 < count;
    upper[p] = rows[k];
    lower[p] = second ? rows[k + 1] : rows[k];
    const std::uint32_t w0 = static_cast<std::uint16_t>(cluster[k].Weight);
    const std::uint32_t w1 = second ? static_cast<std::uint16_t>(cluster[k + 1].Weight) : 0u;
    weights[p] = _mm_set1_epi32(static_cast<std::int32_t>(w0 | (w1 << 16)));
  }
  const __m128i zero = _mm_setzero_si128();
  std::int32_t x = 0;
  for (; x + 8 <= width; x += 8) {
    __m128i acc[8] = {zero, zero, zero, zero, zero, zero, zero, zero};
    for (std::size_t p = 0; p < pairs; ++p) {
      const __m128i w = weights[p];
      for (int half = 0; half < 2; ++half) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(upper[p] + x + 4 * half));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(lower[p] + x + 4 * half));
        const __m128i aLo = _mm_unpacklo_epi8(a, zero), bLo = _mm_unpacklo_epi8(b, zero);
        const __m128i aHi = _mm_unpackhi_epi8(a, zero), bHi = _mm_unpackhi_epi8(b, zero);
        __m128i* s = acc + 4 * half;
        s[0] = _mm_add_epi32(s[0], _mm_madd_epi16(_mm_unpacklo_epi16(aLo, bLo), w));
        s[1] = _mm_add_epi32(s[1], _mm_madd_epi16(_mm_unpackhi_epi16(aLo, bLo), w));
        s[2] = _mm_add_epi32(s[2], _mm_madd_epi16(_mm_unpacklo_epi16(aHi, bHi), w));
        s[3] = _mm_add_epi32(s[3], _mm_madd_epi16(_mm_unpackhi_epi16(aHi, bHi), w));
      }
    }
    for (int i = 0; i < 8; ++i) Store(out + 4 * (x + i), acc[i]);
  }
  return x;
}

// Without negative weights a column sum stays within 0..65280 and fits a
// 16-bit lane: products and sums modulo 2^16 then give it exactly. Blue and
// red sit in the even bytes, green and alpha in the odd ones, so no
// shuffling is needed until the sums are stored. Row by row, so each source
// row streams in order (faster here than strips of columns or columns first).
template <class Out>
std::int32_t SumColumnsSse2Narrow(const TColor32* const* rows, TCluster cluster, std::int32_t width, Out* out,
                                  std::vector<std::int16_t>& partial) {
  const std::int32_t chunks = width / 4;
  partial.resize(16 * static_cast<std::size_t>(chunks));
  __m128i* sum = reinterpret_cast<__m128i*>(partial.data());
  const __m128i evenBytes = _mm_set1_epi16(0x00FF);
  const __m128i zero = _mm_setzero_si128();
  for (std::size_t k = 0; k < cluster.size(); ++k) {
    const __m128i w = _mm_set1_epi16(static_cast<std::int16_t>(cluster[k].Weight));
    const __m128i* row = reinterpret_cast<const __m128i*>(rows[k]);
    for (std::int32_t c = 0; c < chunks; ++c) {
      const __m128i a = _mm_loadu_si128(row + c);
      const __m128i even = _mm_mullo_epi16(_mm_and_si128(a, evenBytes), w);
      const __m128i odd = _mm_mullo_epi16(_mm_srli_epi16(a, 8), w);
      _mm_storeu_si128(sum + 2 * c, k == 0 ? even : _mm_add_epi16(_mm_loadu_si128(sum + 2 * c), even));
      _mm_storeu_si128(sum + 2 * c + 1, k == 0 ? odd : _mm_add_epi16(_mm_loadu_si128(sum + 2 * c + 1), odd));
    }
  }
  // B G R A per column, widened to 32 bits.
  for (std::int32_t c = 0; c < chunks; ++c) {
    const __m128i even = _mm_loadu_si128(sum + 2 * c), odd = _mm_loadu_si128(sum + 2 * c + 1);
    const __m128i lo = _mm_unpacklo_epi16(even, odd), hi = _mm_unpackhi_epi16(even, odd);
    Out* o = out + 16 * c;
    Store(o, _mm_unpacklo_epi16(lo, zero));
    Store(o + 4, _mm_unpackhi_epi16(lo, zero));
    Store(o + 8, _mm_unpacklo_epi16(hi, zero));
    Store(o + 12, _mm_unpackhi_epi16(hi, zero));
  }
  return 4 * chunks;
}

bool NonNegative(TCluster cluster) {
  for (const TPointRec& e : cluster)
    if (e.Weight < 0) return false;
  return true;
}
#endif

}  // namespace

template <class Out>
void TRowResampler::SumColumnsInto(const TColor32* const* rows, TCluster cluster, Out* out) {
  std::int32_t done = 0;
#ifdef __SSE2__
  done = NonNegative(cluster) ? SumColumnsSse2Narrow(rows, cluster, width_, out, partial_)
                              : SumColumnsSse2(rows, cluster, width_, out);
#endif
  SumColumnsPlain(rows, cluster, done, width_, out);
}

namespace {

constexpr std::int32_t kFull = 0xFF0000;

std::uint32_t Saturate(std::int64_t sum) {
  if (sum <= 0) return 0;
  return static_cast<std::uint32_t>(sum >= kFull ? kFull : sum) & kFull;
}

}  // namespace

TRowResampler::TRowResampler(const TMappingTable& mapX, std::int32_t xLo, std::int32_t width, bool negativeWeights)
    : mapX_(mapX), xLo_(xLo), width_(width), negativeWeights_(negativeWeights) {
  if (negativeWeights_) {
    sums_.resize(4 * static_cast<std::size_t>(width));
    return;
  }
  lanes_.resize(4 * static_cast<std::size_t>(width));
  tapStarts_.reserve(mapX.Count() + 1);
  tapStarts_.push_back(0);
  for (std::int32_t i = 0; i < mapX.Count(); ++i) {
    for (const TPointRec& e : mapX[i]) {
      tapOffsets_.push_back(4 * (e.Pos - xLo));
      tapWeights_.push_back(static_cast<float>(e.Weight));
    }
    tapStarts_.push_back(static_cast<std::int32_t>(tapOffsets_.size()));
  }
}

void TRowResampler::SumColumns(const TColor32* const* rows, TCluster cluster) {
  if (negativeWeights_)
    SumColumnsInto(rows, cluster, sums_.data());
  else
    SumColumnsInto(rows, cluster, lanes_.data());
}

void TRowResampler::SumRowSaturated(TColor32* dst) const {
  // Weights below zero let a sum leave 0..255: it saturates, never wraps.
  for (std::int32_t i = 0; i < mapX_.Count(); ++i) {
    std::int64_t b = 0, g = 0, r = 0, a = 0;
    for (const TPointRec& e : mapX_[i]) {
      const std::int32_t* s = sums_.data() + 4 * (e.Pos - xLo_);
      b += std::int64_t{s[0]} * e.Weight;
      g += std::int64_t{s[1]} * e.Weight;
      r += std::int64_t{s[2]} * e.Weight;
      a += std::int64_t{s[3]} * e.Weight;
    }
    dst[i] = (Saturate(a) << 8) | Saturate(r) | (Saturate(g) >> 8) | (Saturate(b) >> 16);
  }
}

void TRowResampler::SumRow(TColor32* dst) const {
  if (negativeWeights_) {
    SumRowSaturated(dst);
    return;
  }
  const float* lanes = lanes_.data();
  const std::int32_t* offsets = tapOffsets_.data();
  const float* weights = tapWeights_.data();
  for (std::int32_t i = 0; i < mapX_.Count(); ++i) {
    const std::int32_t first = tapStarts_[i], last = tapStarts_[i + 1];
#ifdef __SSE2__
    __m128 acc = _mm_setzero_ps();
    for (std::int32_t t = first; t < last; ++t)
      acc = _mm_add_ps(acc, _mm_mul_ps(_mm_loadu_ps(lanes + offsets[t]), _mm_set1_ps(weights[t])));
    const __m128i whole = _mm_srli_epi32(_mm_cvttps_epi32(acc), 16);
    const __m128i words = _mm_packs_epi32(whole, whole);
    dst[i] = static_cast<TColor32>(_mm_cvtsi128_si32(_mm_packus_epi16(words, words)));
#else
    float sum[4] = {};
    for (std::int32_t t = first; t < last; ++t)
      for (int c = 0; c < 4; ++c) sum[c] += lanes[offsets[t] + c] * weights[t];
    TColor32 pixel = 0;
    for (int c = 0; c < 4; ++c) pixel |= (static_cast<std::uint32_t>(sum[c]) >> 16) << (8 * c);
    dst[i] = pixel;
#endif
  }
}

}  // namespace bmp32
