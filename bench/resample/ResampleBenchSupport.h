#pragma once
// The picture downscale as the card picture does it: a source bitmap with
// the kernel resampler (box kernel) drawn whole into a new destination.
#include <cstdint>
#include <memory>

#include "bitmap/Bmp32.h"

namespace resample_bench {

// Opaque noise, the same for the same size.
std::unique_ptr<bmp32::TCustomBitmap32> NoiseSource(std::int32_t width, std::int32_t height);
// A source over the given opaque BGRA pixels (copied).
std::unique_ptr<bmp32::TCustomBitmap32> SourceFrom(const std::uint8_t* bgra, std::int32_t width, std::int32_t height);

void Downscale(const bmp32::TCustomBitmap32& src, bmp32::TCustomBitmap32& dst, std::int32_t width,
               std::int32_t height);

}  // namespace resample_bench
