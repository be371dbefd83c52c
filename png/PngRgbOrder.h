#pragma once
// Reversing the three bytes of each pixel (RGB <-> BGR, the same either
// way): PNG stores red first, the bitmap blue first. Every whole RGB or RGBA
// row of a file passes through here, so processors with SSSE3 get a byte-shuffle
// version, picked once at run time; the others a 64-bit word version.
#include <cstddef>
#include <cstdint>

namespace png {

// `in` and `out` hold `pixels` three-byte pixels and do not overlap.
void SwapRgbOrder(const uint8_t* in, uint8_t* out, size_t pixels);

// RGBA pixels into BGR pixels and a separate row of alpha bytes.
void SplitRgbaPixels(const uint8_t* in, uint8_t* bgr, uint8_t* alpha, size_t pixels);

// RGBA pixels into BGRA pixels (and back: the same either way).
void SwapRgbaOrder(const uint8_t* in, uint8_t* out, size_t pixels);

// The two versions of each, for tests that pin each one.
bool HasSsse3();
void SwapRgbOrderPlain(const uint8_t* in, uint8_t* out, size_t pixels);
void SwapRgbOrderSsse3(const uint8_t* in, uint8_t* out, size_t pixels);  // only where HasSsse3()
void SplitRgbaPixelsPlain(const uint8_t* in, uint8_t* bgr, uint8_t* alpha, size_t pixels);
void SplitRgbaPixelsSsse3(const uint8_t* in, uint8_t* bgr, uint8_t* alpha, size_t pixels);  // only where HasSsse3()

}  // namespace png
