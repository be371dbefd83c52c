#include "bitmap/Bmp32_Gamma.h"

#include <cmath>

namespace bmp32 {

namespace {
std::array<std::uint8_t, 256> BuildGamma(double gamma) {
  std::array<std::uint8_t, 256> table{};
  for (int i = 0; i < 256; ++i)
    table[static_cast<std::size_t>(i)] =
        static_cast<std::uint8_t>(std::nearbyint(std::pow(i / 255.0, gamma) * 255.0));
  return table;
}
}  // namespace

std::array<std::uint8_t, 256> GammaTable = BuildGamma(0.7);

void SetGamma(double gamma) { GammaTable = BuildGamma(gamma); }

}  // namespace bmp32
