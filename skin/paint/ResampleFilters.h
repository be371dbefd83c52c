#pragma once
// The seven filters of the skin resampler, numbered as the callers pass
// them (6 Mitchell for colours, 2 Hermite for masks, 1 Triangle).
#include <cstdint>

namespace skin::paint {

enum TResampleFilter : std::uint8_t {
  rfBox = 0,
  rfTriangle = 1,
  rfHermite = 2,
  rfBell = 3,
  rfBSpline = 4,
  rfLanczos3 = 5,
  rfMitchell = 6,
};

// The distance at which the filter's weight reaches 0 (0 for a number above 6).
float FilterSupport(std::uint8_t filter);

// The weight at signed distance t (centre minus source index, already
// scaled); 0 for a number above 6. Only Box looks at the sign: it takes
// -0.5 < t <= 0.5, so exactly one of two neighbours at half a pixel counts.
float FilterWeight(std::uint8_t filter, float t);

}  // namespace skin::paint
