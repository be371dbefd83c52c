#pragma once
// A drawn layer as the bytes of a PNG file: 8-bit RGBA, so the alpha the
// pictures were drawn with survives into the form description.
#include <cstdint>
#include <vector>

#include "tools/skingen/Layer.h"

namespace glyphgen {

std::vector<std::uint8_t> EncodePng(const skingen::TLayer& layer);
// A 32-bit bottom-up BMP file with straight alpha, for glyph bitmaps. Pixels
// the alpha leaves out carry `hidden` (0xRRGGBB), the colour they should show
// where the bitmap is blitted without its alpha.
std::vector<std::uint8_t> EncodeBmp(const skingen::TLayer& layer, unsigned hidden);

}  // namespace glyphgen
