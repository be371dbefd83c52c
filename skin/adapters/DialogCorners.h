#pragma once
// The corner images at the right-hand side of a skinned dialog's frame can
// reach into its client area. When the dialog shrinks, the system keeps the
// client pixels that stay inside, so the places where those images lay
// must be painted again. Portable.
#include <vector>

#include "skin/core/SkinTypes.h"

namespace skin::adapters {

// One image's frame size; 0 x 0 for none.
struct TCornerImageSize {
  int Width = 0;
  int Height = 0;
};

// The client rectangles (at the stored client size) of the top-right and
// bottom-right images, when the new client size is smaller in either
// direction or nothing was stored yet; none otherwise.
std::vector<TRect> StaleCornerRects(int storedWidth, int storedHeight, int newWidth, int newHeight,
                                    TCornerImageSize topRight, TCornerImageSize bottomRight);

}  // namespace skin::adapters
