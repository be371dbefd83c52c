#pragma once
// One byte of every pixel of a 32-bit image to or from an 8-bit image: the
// alpha and grey channels of skin images.
#include <cstdint>

#include "skin/paint/PixelView.h"

namespace skin::paint {

// With Extract byte Channel (0 blue .. 3 alpha) of every pixel of Bmp32
// goes to the 8-bit Bmp8, otherwise the 8-bit values go into that byte.
// Only the part both images cover; nothing for other depths or channels.
void CopyBitmapChannel(const TPixelView& bmp32, const TPixelView& bmp8, std::int32_t channel, bool extract);

}  // namespace skin::paint
