#include "bitmap/Bmp32_LowLevel.h"

#include <algorithm>
#include <cstddef>

#include "bitmap/Bmp32_Error.h"

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace bmp32 {

namespace plain {

void FillPixels(TColor32* dst, std::int32_t count, TColor32 value) {
  for (std::int32_t i = 0; i < count; ++i) dst[i] = value;
}

void FillPixelsBlock(TColor32* dst, std::int32_t count, TColor32 value) {
  if (count > 0) std::fill_n(dst, count, value);
}

}  // namespace plain

#ifdef __SSE2__
namespace sse2 {

void FillPixels(TColor32* dst, std::int32_t count, TColor32 value) {
  const auto address = reinterpret_cast<std::uintptr_t>(dst);
  if (count >= 32 && (address & 3) == 0) {
    // Single pixels up to a 16-byte boundary, then aligned blocks of four.
    while ((reinterpret_cast<std::uintptr_t>(dst) & 15) != 0) {
      *dst++ = value;
      --count;
    }
    const __m128i block = _mm_set1_epi32(static_cast<int>(value));
    for (; count >= 4; count -= 4, dst += 4)
      _mm_store_si128(reinterpret_cast<__m128i*>(dst), block);
  }
  for (std::int32_t i = 0; i < count; ++i) dst[i] = value;
}

}  // namespace sse2
#endif

TFillPixels* FillPixels = plain::FillPixels;

namespace {

TFunctionRegistry& BuildLowLevelRegistry() {
  TFunctionRegistry& registry = CreateRegistry(L"Bmp32_LowLevel bindings");
  registry.Add(0, plain::FillPixels);
  registry.Add(0, plain::FillPixelsBlock);
#ifdef __SSE2__
  registry.Add(0, sse2::FillPixels, FeatureBit(pfSSE2));
#endif
  registry.AddBinding(0, &FillPixels);
  registry.BindAll();
  return registry;
}

TFunctionRegistry& lowLevelRegistry = BuildLowLevelRegistry();

}  // namespace

TFunctionRegistry& LowLevelRegistry() { return lowLevelRegistry; }

void MovePixels(const TColor32* src, TColor32* dst, std::int32_t count) {
  if (src == dst) return;
  for (std::int32_t i = 0; i < count; ++i) dst[i] = src[i];
}

namespace {

// The size of min..max; zero or less for an empty range. In 64 bits, since
// the extremes of int overflow in 32.
std::int64_t RangeSize(int min, int max) {
  return static_cast<std::int64_t>(max) - min + 1;
}

std::int64_t CheckedRangeSize(int min, int max) {
  const std::int64_t size = RangeSize(min, max);
  if (size <= 0) throw EBmp32Error(L"Cannot wrap a coordinate into an empty range");
  return size;
}

}  // namespace

int Wrap(int v, int min, int max) {
  const std::int64_t size = CheckedRangeSize(min, max);
  // C++ remainder keeps the dividend's sign.
  if (v >= min) return static_cast<int>((static_cast<std::int64_t>(v) - min) % size + min);
  return static_cast<int>((static_cast<std::int64_t>(v) - max) % size + max);
}

int WrapPow2(int v, int min, int max) {
  const auto span = static_cast<std::uint32_t>(max) - static_cast<std::uint32_t>(min);
  const auto offset = static_cast<std::uint32_t>(v) - static_cast<std::uint32_t>(min);
  return static_cast<int>(static_cast<std::uint32_t>(min) + (offset & span));
}

int Mirror(int v, int min, int max) {
  const std::int64_t size = CheckedRangeSize(min, max);
  const std::int64_t base = v >= min ? min : max;
  const std::int64_t offset = static_cast<std::int64_t>(v) - base;
  const std::int64_t q = offset / size;
  std::int64_t result = offset % size + base;
  if (q % 2 != 0) result = static_cast<std::int64_t>(min) + max - result;
  return static_cast<int>(result);
}

int MirrorPow2(int v, int min, int max) {
  const auto umin = static_cast<std::uint32_t>(min);
  const auto span = static_cast<std::uint32_t>(max) - umin;
  const auto offset = static_cast<std::uint32_t>(v) - umin;
  if (((span + 1u) & offset) != 0) return static_cast<int>(static_cast<std::uint32_t>(max) - (offset & span));
  return static_cast<int>(umin + (offset & span));
}

TWrapProc WrapProcFor(TWrapMode mode) {
  switch (mode) {
    case wmRepeat: return Wrap;
    case wmMirror: return Mirror;
    default: return Constrain;
  }
}

TWrapProc WrapProcFor(TWrapMode mode, int min, int max) {
  const std::int64_t size = RangeSize(min, max);
  const bool pow2 = min >= 0 && min <= max && (size & (size - 1)) == 0;
  switch (mode) {
    case wmRepeat: return pow2 ? WrapPow2 : Wrap;
    case wmMirror: return pow2 ? MirrorPow2 : Mirror;
    default: return Constrain;
  }
}

}  // namespace bmp32
