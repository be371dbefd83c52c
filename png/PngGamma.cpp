#include "png/PngGamma.h"

#include <cmath>

namespace png {

TGammaTable IdentityGamma() {
  TGammaTable t{};
  for (int i = 0; i < 256; ++i) t[i] = static_cast<uint8_t>(i);
  return t;
}

void BuildGammaTables(uint32_t gamma, TGammaTable& table, TGammaTable& inverse) {
  if (gamma == 0) return;
  const double exponent = 1.0 / (gamma / 100000.0 * 2.2);
  for (int i = 0; i < 256; ++i) {
    // nearbyint rounds halves to even in the default rounding mode.
    const double value = std::nearbyint(255.0 * std::pow(i / 255.0, exponent));
    table[i] = static_cast<uint8_t>(value < 0 ? 0 : value > 255 ? 255 : value);
    inverse[table[i]] = static_cast<uint8_t>(i);
  }
}

}  // namespace png
