#pragma once
// Writes an image as a run of IDAT chunks: each row (of the image or of an
// Adam7 pass) is encoded, filtered with the filter chosen from `Filters`,
// deflated at `CompressionLevel` and cut into chunks of exactly
// `MaxIdatSize` data bytes, the last one shorter (never empty).
#include <cstdint>

#include "classlib/core/Stream.h"
#include "png/PngImageView.h"

namespace png {

struct TIdatWriteSettings {
  uint8_t Filters = 2;            // pfNone | pfSub | ... flags
  int CompressionLevel = 7;       // 0..9
  uint32_t MaxIdatSize = 65535;   // at least 1
  uint8_t InterlaceMethod = 0;    // 0 plain, 1 Adam7, others: no rows
};

// The filter type the writer picks for a row, given the filtered buffers
// of types 0..4 (entries for types not in `filters` are not read).
uint8_t ChooseFilter(uint8_t filters, const uint8_t* const buffers[5], size_t size);

// Raises EPNGZLIBError when zlib fails; stream errors propagate.
void WriteIdat(classlib::TStream& stream, const TPngImageView& image, const TIdatWriteSettings& settings,
               const uint8_t inverseGamma[256]);

}  // namespace png
