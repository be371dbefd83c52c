#pragma once
// Fills, moves, clamping and coordinate wrapping.
#include <cstdint>

#include "bitmap/Bmp32_Bindings.h"
#include "bitmap/Bmp32_Types.h"

namespace bmp32 {

constexpr int Clamp(int v) { return v < 0 ? 0 : (v > 255 ? 255 : v); }

// Bound: writes `value` into `count` consecutive pixels; count <= 0 writes nothing.
using TFillPixels = void(TColor32* dst, std::int32_t count, TColor32 value);
extern TFillPixels* FillPixels;

namespace plain {
void FillPixels(TColor32* dst, std::int32_t count, TColor32 value);
// The second plain form: the same result through the standard fill.
void FillPixelsBlock(TColor32* dst, std::int32_t count, TColor32 value);
}  // namespace plain
#ifdef __SSE2__
namespace sse2 {
void FillPixels(TColor32* dst, std::int32_t count, TColor32 value);
}  // namespace sse2
#endif

TFunctionRegistry& LowLevelRegistry();

// Copies forward, first to last; nothing when src == dst or count <= 0.
void MovePixels(const TColor32* src, TColor32* dst, std::int32_t count);

template <class T>
void Swap(T& a, T& b) {
  T t = a;
  a = b;
  b = t;
}
template <class T>
void SortPair(T& a, T& b) {
  if (b < a) Swap(a, b);
}

// Min(Max(v, lo), hi): hi wins when lo > hi.
constexpr int Constrain(int v, int lo, int hi) {
  const int atLeastLo = v < lo ? lo : v;
  return atLeastLo > hi ? hi : atLeastLo;
}
constexpr int ClampMax(int v, int max) { return v > max ? max : (v >= 0 ? v : 0); }

// Coordinate wrapping over min..max inclusive. Wrap and Mirror raise
// EBmp32Error when max < min (an empty range has no coordinate to give).
int Wrap(int v, int min, int max);
int WrapPow2(int v, int min, int max);
int Mirror(int v, int min, int max);
int MirrorPow2(int v, int min, int max);

using TWrapProc = int (*)(int v, int min, int max);
TWrapProc WrapProcFor(TWrapMode mode);
// Picks the power-of-two forms when min..max allows them.
TWrapProc WrapProcFor(TWrapMode mode, int min, int max);

// v / 255 rounded down, exact for every v below 65,536.
constexpr std::uint32_t Div255(std::uint32_t v) {
  return static_cast<std::uint32_t>((static_cast<std::uint64_t>(v) * 32897u) >> 23);
}

}  // namespace bmp32
