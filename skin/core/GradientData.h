#pragma once
// Gradient descriptions of skin sections: tokens separated by ";", five per
// step (colour 1, colour 2, percent, mode, one unused token).
#include <cstdint>
#include <string_view>
#include <vector>

#include "skin/core/SkinTypes.h"

namespace skin {

struct TsGradientStep {
  TColor Color1 = 0;
  TColor Color2 = 0;
  std::uint8_t Percent = 0;  // 0..100
  int Mode = 0;              // of the first step: 0 vertical, 1 horizontal, 2 triangles
  std::int32_t Reserved = 0;
};
using TsGradientArray = std::vector<TsGradientStep>;

// One step per five tokens (a partial step at the end is ignored). Colours
// below 0 become 0, percents are clamped to 0..100. A token that is not an
// integer raises EConvertError.
TsGradientArray ParseGradientData(std::wstring_view text);

}  // namespace skin
