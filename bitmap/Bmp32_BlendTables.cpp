#include "bitmap/Bmp32_BlendTables.h"

namespace bmp32 {

namespace {

// Built at compile time, so a routine called before any start-up code has
// run still finds the tables complete.
constexpr TByteTable BuildMulTable() {
  TByteTable table{};
  for (unsigned a = 0; a < 256; ++a)
    for (unsigned b = 0; b < 256; ++b)
      // a*b/255 is never an exact half, since 255 is odd.
      table[a][b] = static_cast<std::uint8_t>((2 * a * b + 255) / 510);
  return table;
}

constexpr TByteTable BuildDivTable() {
  TByteTable table{};
  for (unsigned b = 1; b < 256; ++b)
    for (unsigned a = 0; a < 256; ++a) {
      const unsigned n = a * 255;
      unsigned q = n / b;
      const unsigned twiceRest = 2 * (n % b);
      if (twiceRest > b || (twiceRest == b && (q & 1) != 0)) ++q;
      table[b][a] = static_cast<std::uint8_t>(q & 0xFF);
    }
  return table;
}

constexpr std::array<TAlphaEntry, 256> BuildAlphaTable() {
  std::array<TAlphaEntry, 256> table{};
  for (unsigned i = 0; i < 256; ++i)
    for (auto& lane : table[i].Lanes) lane = static_cast<std::uint16_t>(i);
  return table;
}

}  // namespace

constexpr TByteTable MulTable = BuildMulTable();
constexpr TByteTable DivTable = BuildDivTable();
constexpr std::array<TAlphaEntry, 256> AlphaTable = BuildAlphaTable();
const TAlphaEntry* const BiasPointer = &AlphaTable[128];

}  // namespace bmp32
