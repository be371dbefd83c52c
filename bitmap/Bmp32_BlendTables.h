#pragma once
// Lookup tables of the blending routines.
#include <array>
#include <cstdint>

namespace bmp32 {

using TByteTable = std::array<std::array<std::uint8_t, 256>, 256>;

// MulTable[a][b] = Round(a * b / 255).
extern const TByteTable MulTable;
// DivTable[b][a] = Round(a * 255 / b), ties to even, low 8 bits; 0 for b = 0.
extern const TByteTable DivTable;

// Entry i: eight 16-bit lanes, each i, so one aligned load gives a weight for
// every lane of two unpacked pixels.
struct alignas(16) TAlphaEntry {
  std::uint16_t Lanes[8];
};
extern const std::array<TAlphaEntry, 256> AlphaTable;
// Entry 128: the rounding bias of the vector forms.
extern const TAlphaEntry* const BiasPointer;

}  // namespace bmp32
