#include "png/PngRgbOrder.h"

#include <array>
#include <bit>
#include <cstring>

#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
#define PNG_X86_DISPATCH 1
#include <tmmintrin.h>
#endif

namespace png {
namespace {

void SwapRgbTail(const uint8_t* in, uint8_t* out, size_t from, size_t pixels) {
  for (size_t k = from; k < pixels; ++k) {
    out[3 * k] = in[3 * k + 2];
    out[3 * k + 1] = in[3 * k + 1];
    out[3 * k + 2] = in[3 * k];
  }
}

// The byte masks of the word version: in 24 bytes (three little-endian
// words), the bytes at place `role` of their pixel (0 first, 2 last).
constexpr uint64_t RoleMask(int word, int role) {
  uint64_t mask = 0;
  for (int b = 0; b < 8; ++b)
    if ((8 * word + b) % 3 == role) mask |= uint64_t{0xFF} << (8 * b);
  return mask;
}

}  // namespace

// Eight pixels go as three 64-bit words: a first byte comes from two bytes
// on, a last byte from two bytes back, the middle one stays; a quarter of
// the byte-by-byte work.
void SwapRgbOrderPlain(const uint8_t* in, uint8_t* out, size_t pixels) {
  size_t k = 0;
  if constexpr (std::endian::native == std::endian::little) {
    constexpr uint64_t kFirst[3] = {RoleMask(0, 0), RoleMask(1, 0), RoleMask(2, 0)};
    constexpr uint64_t kMiddle[3] = {RoleMask(0, 1), RoleMask(1, 1), RoleMask(2, 1)};
    constexpr uint64_t kLast[3] = {RoleMask(0, 2), RoleMask(1, 2), RoleMask(2, 2)};
    for (; k + 8 <= pixels; k += 8) {
      uint64_t w[3], r[3];
      std::memcpy(w, in + 3 * k, 24);
      for (int i = 0; i < 3; ++i) {
        const uint64_t next = i < 2 ? w[i + 1] : 0;
        const uint64_t prev = i > 0 ? w[i - 1] : 0;
        const uint64_t fromAhead = (w[i] >> 16) | (next << 48);
        const uint64_t fromBehind = (w[i] << 16) | (prev >> 48);
        r[i] = (w[i] & kMiddle[i]) | (fromAhead & kFirst[i]) | (fromBehind & kLast[i]);
      }
      std::memcpy(out + 3 * k, r, 24);
    }
  }
  SwapRgbTail(in, out, k, pixels);
}

// Red and blue trade places inside each 32-bit word; the compiler
// vectorises the loop on its own.
void SwapRgbaOrder(const uint8_t* in, uint8_t* out, size_t pixels) {
  for (size_t k = 0; k < pixels; ++k) {
    uint32_t w;
    std::memcpy(&w, in + 4 * k, 4);
    if constexpr (std::endian::native == std::endian::little)
      w = (w & 0xFF00FF00u) | ((w >> 16) & 0xFFu) | ((w & 0xFFu) << 16);
    else
      w = (w & 0x00FF00FFu) | ((w >> 16) & 0xFF00u) | ((w & 0xFF00u) << 16);
    std::memcpy(out + 4 * k, &w, 4);
  }
}

void SplitRgbaPixelsPlain(const uint8_t* in, uint8_t* bgr, uint8_t* alpha, size_t pixels) {
  for (size_t k = 0; k < pixels; ++k) {
    bgr[3 * k] = in[4 * k + 2];
    bgr[3 * k + 1] = in[4 * k + 1];
    bgr[3 * k + 2] = in[4 * k];
    alpha[k] = in[4 * k + 3];
  }
}

#ifdef PNG_X86_DISPATCH

namespace {

// Shuffle masks for 16 pixels: output register `o` takes from input
// register `i` the bytes t[o][i] names (0x80: none, a zero the other
// registers' shuffles fill in). `source` maps an output byte to its input
// byte.
template <int kOut, int kIn>
using TShuffleTable = std::array<std::array<std::array<int8_t, 16>, kIn>, kOut>;

template <int kOut, int kIn, class F>
constexpr TShuffleTable<kOut, kIn> MakeShuffleTable(F source) {
  TShuffleTable<kOut, kIn> t{};
  for (int o = 0; o < kOut; ++o)
    for (int b = 0; b < 16; ++b) {
      const int from = source(16 * o + b);
      for (int i = 0; i < kIn; ++i) t[o][i][b] = static_cast<int8_t>(from / 16 == i ? from % 16 : 0x80);
    }
  return t;
}

// RGB -> BGR: 48 bytes in, 48 out.
constexpr auto kSwapRgb = MakeShuffleTable<3, 3>([](int out) { return out - out % 3 + 2 - out % 3; });
// RGBA -> BGR: 64 bytes in, 48 out; and the alpha bytes, 16 out.
constexpr auto kRgbaColour = MakeShuffleTable<3, 4>([](int out) { return 4 * (out / 3) + 2 - out % 3; });
constexpr auto kRgbaAlpha = MakeShuffleTable<1, 4>([](int out) { return 4 * out + 3; });

// One output register gathered from kIn input registers.
template <size_t kIn>
__attribute__((target("ssse3"))) __m128i Gather(const __m128i* v,
                                                const std::array<std::array<int8_t, 16>, kIn>& masks) {
  __m128i r = _mm_setzero_si128();
  for (size_t i = 0; i < kIn; ++i)
    r = _mm_or_si128(r, _mm_shuffle_epi8(v[i], _mm_loadu_si128(reinterpret_cast<const __m128i*>(masks[i].data()))));
  return r;
}

}  // namespace

bool HasSsse3() {
  static const bool has = [] {
    __builtin_cpu_init();
    return __builtin_cpu_supports("ssse3") != 0;
  }();
  return has;
}

__attribute__((target("ssse3"))) void SwapRgbOrderSsse3(const uint8_t* in, uint8_t* out, size_t pixels) {
  size_t k = 0;
  for (; k + 16 <= pixels; k += 16) {
    const auto* s = reinterpret_cast<const __m128i*>(in + 3 * k);
    auto* d = reinterpret_cast<__m128i*>(out + 3 * k);
    const __m128i v[3] = {_mm_loadu_si128(s), _mm_loadu_si128(s + 1), _mm_loadu_si128(s + 2)};
    for (int o = 0; o < 3; ++o) _mm_storeu_si128(d + o, Gather(v, kSwapRgb[o]));
  }
  SwapRgbOrderPlain(in + 3 * k, out + 3 * k, pixels - k);
}

__attribute__((target("ssse3"))) void SplitRgbaPixelsSsse3(const uint8_t* in, uint8_t* bgr, uint8_t* alpha,
                                                           size_t pixels) {
  size_t k = 0;
  for (; k + 16 <= pixels; k += 16) {
    const auto* s = reinterpret_cast<const __m128i*>(in + 4 * k);
    auto* d = reinterpret_cast<__m128i*>(bgr + 3 * k);
    const __m128i v[4] = {_mm_loadu_si128(s), _mm_loadu_si128(s + 1), _mm_loadu_si128(s + 2), _mm_loadu_si128(s + 3)};
    for (int o = 0; o < 3; ++o) _mm_storeu_si128(d + o, Gather(v, kRgbaColour[o]));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(alpha + k), Gather(v, kRgbaAlpha[0]));
  }
  SplitRgbaPixelsPlain(in + 4 * k, bgr + 3 * k, alpha + k, pixels - k);
}

void SwapRgbOrder(const uint8_t* in, uint8_t* out, size_t pixels) {
  if (HasSsse3()) SwapRgbOrderSsse3(in, out, pixels);
  else SwapRgbOrderPlain(in, out, pixels);
}

void SplitRgbaPixels(const uint8_t* in, uint8_t* bgr, uint8_t* alpha, size_t pixels) {
  if (HasSsse3()) SplitRgbaPixelsSsse3(in, bgr, alpha, pixels);
  else SplitRgbaPixelsPlain(in, bgr, alpha, pixels);
}

#else

bool HasSsse3() { return false; }
void SwapRgbOrderSsse3(const uint8_t* in, uint8_t* out, size_t pixels) { SwapRgbOrderPlain(in, out, pixels); }
void SwapRgbOrder(const uint8_t* in, uint8_t* out, size_t pixels) { SwapRgbOrderPlain(in, out, pixels); }
void SplitRgbaPixelsSsse3(const uint8_t* in, uint8_t* bgr, uint8_t* alpha, size_t pixels) {
  SplitRgbaPixelsPlain(in, bgr, alpha, pixels);
}
void SplitRgbaPixels(const uint8_t* in, uint8_t* bgr, uint8_t* alpha, size_t pixels) {
  SplitRgbaPixelsPlain(in, bgr, alpha, pixels);
}

#endif

}  // namespace png
