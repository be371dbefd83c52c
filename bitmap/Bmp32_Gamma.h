#pragma once
// The gamma table that weights sub-pixel reads.
#include <array>
#include <cstdint>

namespace bmp32 {

// GammaTable[i] = Round((i / 255) ^ gamma * 255), ties to even; built with
// gamma 0.7 at start-up.
extern std::array<std::uint8_t, 256> GammaTable;
void SetGamma(double gamma);

}  // namespace bmp32
