#pragma once
// The skin resampler over the class library's bitmaps.
#include <cstdint>

namespace classlib {
class TBitmap;
}

namespace skin::paint {

// Scales Src to NewWidth x NewHeight into Dst (which may be Src) with the
// given filter (ResampleFilters.h). A pf32bit source gives a pf32bit result
// with its alpha resampled; any other source is turned into pf24bit in place
// and gives pf24bit. Raises "Source bitmap is too small" for a source under
// 2 x 2 before changing anything; does nothing for a new width or height
// below 1. The same size assigns Src to Dst. Reserved is not consulted.
void ResampleBitmap(classlib::TBitmap* src, classlib::TBitmap* dst, std::int32_t newWidth, std::int32_t newHeight,
                    std::uint8_t filter, std::int32_t reserved = 0);

}  // namespace skin::paint
