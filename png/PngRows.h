#pragma once
// Conversion between PNG rows (unfiltered, of a pass or of the whole image)
// and the stored pixel layout of TPngImageView.
#include <cstddef>
#include <cstdint>

#include "png/PngImageView.h"

namespace png {

// Where the pixels of one PNG row go: image line `Line`, pixels at columns
// ColumnStart, ColumnStart + ColumnIncrement, ... (PixelCount of them).
struct TRowPlacement {
  uint32_t Line = 0;
  uint32_t ColumnStart = 0;
  uint32_t ColumnIncrement = 1;
  uint32_t PixelCount = 0;
};

// Stores one decoded PNG row; colour samples pass through `gamma`
// (file sample -> stored value). Samples of columns at or beyond the image
// width are dropped.
void DecodeRow(const TPngImageView& image, const TRowPlacement& place, const uint8_t* pngRow,
               const uint8_t gamma[256]);

// Builds one PNG row (BytesForPixels(PixelCount) bytes) from the stored
// pixels; colour samples pass through `inverseGamma`. Stored bit depth 2
// rows are written as 4-bit rows (the caller's header says 4).
void EncodeRow(const TPngImageView& image, const TRowPlacement& place, uint8_t* pngRow,
               const uint8_t inverseGamma[256]);

}  // namespace png
