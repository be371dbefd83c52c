#pragma once
// State the rasterisers share.

namespace bmp32 {

// The number of processors, taken once at start-up.
extern const int ProcessorCount;

}  // namespace bmp32
