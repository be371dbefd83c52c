#pragma once
// A 32-bit image turned by a quarter turn.
#include "skin/paint/PixelView.h"

namespace skin::paint {

// Fills Dst (Src's height wide, Src's width high) with Src turned
// clockwise: source (x, y) to (H - 1 - y, x); or counter-clockwise: source
// (W - 1 - x, y) to (y, x). False, with nothing written, when either view
// is not 32-bit or the sizes do not match.
bool RotateBitmap90(const TPixelView& src, const TPixelView& dst, bool clockwise);

}  // namespace skin::paint
