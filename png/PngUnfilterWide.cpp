#include "png/PngUnfilterWide.h"

#include <cstring>

#include "png/PngFilters.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace png {

#if defined(__SSE2__)

namespace {

// Pixels of 3 bytes stay with the plain loops (measured faster there).
// Eight bytes are loaded at a time, so the vector loop stops where the next
// load would pass the row's end; the plain loop does the rest.
inline __m128i Load8(const uint8_t* p) { return _mm_loadl_epi64(reinterpret_cast<const __m128i*>(p)); }

template <size_t kPixel>
inline void StorePixel(uint8_t* p, __m128i bytes) {
  if constexpr (kPixel == 8) {
    _mm_storel_epi64(reinterpret_cast<__m128i*>(p), bytes);
  } else {
    // The bytes after the pixel belong to the next one, still filtered.
    const uint64_t value = static_cast<uint64_t>(_mm_cvtsi128_si64(bytes));
    std::memcpy(p, &value, kPixel);
  }
}

template <size_t kPixel>
size_t AverageLoop(uint8_t* row, const uint8_t* previous, size_t size) {
  size_t i = kPixel;
  if (size < kPixel + 8) return i;
  // floor((a + b) / 2) = ~avg(~a, ~b), the byte average rounding up; keeping
  // the left pixel complemented, ~(x + that) = avg(~a, ~b) - x leaves two
  // operations between one pixel and the next.
  const __m128i ones = _mm_set1_epi8(-1);
  __m128i notA = _mm_xor_si128(Load8(row), ones);
  for (; i + 8 <= size; i += kPixel) {
    const __m128i notB = _mm_xor_si128(Load8(previous + i), ones);
    notA = _mm_sub_epi8(_mm_avg_epu8(notA, notB), Load8(row + i));
    StorePixel<kPixel>(row + i, _mm_xor_si128(notA, ones));
  }
  return i;
}

inline __m128i Abs16(__m128i v) { return _mm_max_epi16(v, _mm_sub_epi16(_mm_setzero_si128(), v)); }

inline __m128i Select(__m128i mask, __m128i whenSet, __m128i otherwise) {
  return _mm_or_si128(_mm_and_si128(mask, whenSet), _mm_andnot_si128(mask, otherwise));
}

template <size_t kPixel>
size_t PaethLoop(uint8_t* row, const uint8_t* previous, size_t size) {
  size_t i = kPixel;
  if (size < kPixel + 8) return i;
  const __m128i zero = _mm_setzero_si128();
  const __m128i low = _mm_set1_epi16(0xFF);
  // Sixteen-bit lanes hold the predictor's differences without overflow.
  __m128i a = _mm_unpacklo_epi8(Load8(row), zero);
  __m128i c = _mm_unpacklo_epi8(Load8(previous), zero);
  for (; i + 8 <= size; i += kPixel) {
    const __m128i b = _mm_unpacklo_epi8(Load8(previous + i), zero);
    const __m128i towardA = _mm_sub_epi16(b, c);  // p - a
    const __m128i towardB = _mm_sub_epi16(a, c);  // p - b
    const __m128i pa = Abs16(towardA);
    const __m128i pb = Abs16(towardB);
    const __m128i pc = Abs16(_mm_add_epi16(towardA, towardB));  // p - c
    const __m128i notA = _mm_or_si128(_mm_cmpgt_epi16(pa, pb), _mm_cmpgt_epi16(pa, pc));
    const __m128i notB = _mm_cmpgt_epi16(pb, pc);
    const __m128i predictor = Select(notA, Select(notB, c, b), a);
    const __m128i x = _mm_unpacklo_epi8(Load8(row + i), zero);
    a = _mm_and_si128(_mm_add_epi16(x, predictor), low);
    StorePixel<kPixel>(row + i, _mm_packus_epi16(a, a));
    c = b;
  }
  return i;
}

}  // namespace

bool UnfilterAverageWide(uint8_t* row, const uint8_t* previous, size_t size, size_t pixelBytes) {
  size_t i;
  if (pixelBytes == 4) i = AverageLoop<4>(row, previous, size);
  else if (pixelBytes == 6) i = AverageLoop<6>(row, previous, size);
  else if (pixelBytes == 8) i = AverageLoop<8>(row, previous, size);
  else return false;
  for (; i < size; ++i)
    row[i] = static_cast<uint8_t>(row[i] + ((unsigned{row[i - pixelBytes]} + previous[i]) >> 1));
  return true;
}

bool UnfilterPaethWide(uint8_t* row, const uint8_t* previous, size_t size, size_t pixelBytes) {
  size_t i;
  if (pixelBytes == 4) i = PaethLoop<4>(row, previous, size);
  else if (pixelBytes == 6) i = PaethLoop<6>(row, previous, size);
  else if (pixelBytes == 8) i = PaethLoop<8>(row, previous, size);
  else return false;
  for (; i < size; ++i)
    row[i] = static_cast<uint8_t>(row[i] + PaethPredictor(row[i - pixelBytes], previous[i], previous[i - pixelBytes]));
  return true;
}

#else

bool UnfilterAverageWide(uint8_t*, const uint8_t*, size_t, size_t) { return false; }
bool UnfilterPaethWide(uint8_t*, const uint8_t*, size_t, size_t) { return false; }

#endif

}  // namespace png
