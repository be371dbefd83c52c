#include <algorithm>
#include <cmath>

#include "tools/glyphgen/Pictures.h"

namespace glyphgen {

using namespace skingen;

TLayer GaugeHighlight() {
  TLayer layer(kGaugeHighlightWidth, kGaugeHighlightHeight);
  // A soft warm-white gleam, strongest in the middle of its length and a
  // little stronger near the top edge, fading to nothing at both ends so
  // that it slides on and off the bar without a seam.
  const float mid = kGaugeHighlightWidth / 2.0f;
  const TSdf everywhere = [](float, float) { return -1.0f; };
  layer.Fill(everywhere, [=](float x, float y) {
    const float c = std::cos(1.5707964f * (x + 0.5f - mid) / mid);
    const float along = c * c * c * c;
    const float down = 1.0f - 0.45f * std::clamp((y + 0.5f) / kGaugeHighlightHeight, 0.0f, 1.0f);
    return Rgb(0xFFF4DC, 0.55f * along * down);
  });
  return layer;
}

}  // namespace glyphgen
