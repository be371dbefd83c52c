#pragma once
// The stylised watch shared by the about glyph and the welcome picture:
// straps, case, dial with indices and hands at ten past ten.
#include "tools/skingen/Layer.h"

namespace glyphgen {

struct TWatchStyle {
  float cx = 0, cy = 0;
  float radius = 0;         // outer edge of the case
  float strapLength = 0;    // beyond the case, up and down; 0 for none
  bool secondHand = false;  // too fine for glyph sizes
  bool minuteTrack = false;
};

void DrawWatch(skingen::TLayer& layer, const TWatchStyle& style);

}  // namespace glyphgen
