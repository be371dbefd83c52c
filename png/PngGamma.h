#pragma once
// The gamma lookup tables of an image: file sample -> stored value for
// reading, stored value -> file sample for writing.
#include <array>
#include <cstdint>

namespace png {

using TGammaTable = std::array<uint8_t, 256>;

TGammaTable IdentityGamma();

// Fills both tables from a gAMA value (gamma x 100,000); 0 changes nothing.
void BuildGammaTables(uint32_t gamma, TGammaTable& table, TGammaTable& inverse);

}  // namespace png
