#pragma once
// 16.16 fixed-point helpers.
#include <cstdint>

#include "bitmap/Bmp32_Types.h"

namespace bmp32 {

// Arithmetic shifts, so negative values round towards minus infinity.
constexpr std::int32_t FixedFloor(TFixed a) { return a >> 16; }
constexpr std::int32_t FixedCeil(TFixed a) {
  return static_cast<std::int32_t>((static_cast<std::int64_t>(a) + 0xFFFF) >> 16);
}
// An exact half rounds down.
constexpr std::int32_t FixedRound(TFixed a) {
  return static_cast<std::int32_t>((static_cast<std::int64_t>(a) + 0x7FFF) >> 16);
}
constexpr TFixed FixedMul(TFixed a, TFixed b) {
  return static_cast<TFixed>((static_cast<std::int64_t>(a) * b) >> 16);
}
// Truncating. Raises EBmp32Error for a zero divisor or a quotient outside int32.
TFixed FixedDiv(TFixed a, TFixed b);
// Also true for 0.
constexpr bool IsPowerOf2(std::int32_t v) {
  return ((static_cast<std::uint32_t>(v) - 1u) & static_cast<std::uint32_t>(v)) == 0;
}

}  // namespace bmp32
