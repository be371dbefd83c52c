#pragma once
// The frosted look of the main window behind the about window: a 3 x 3 box
// blur and uniform noise over 24-bit pixels (blue, green, red per pixel).
#include <cstddef>
#include <cstdint>

namespace catalogue {

struct Pixels24 {
  std::uint8_t* bits = nullptr;  // first byte of row 0
  int width = 0, height = 0;
  std::ptrdiff_t stride = 0;  // bytes from one row to the next (may be negative)
  std::uint8_t* Pixel(int x, int y) const { return bits + y * stride + x * 3; }
};

// Each pass sets every inner pixel's bytes to the mean (integer division) of
// its 3 x 3 neighbourhood, in place and in reading order, so the left and
// upper neighbours already hold this pass's values. The outermost rows and
// columns never change; a bitmap narrower or lower than 3 is left alone.
void BoxBlur3x3(const Pixels24& pixels, int passes);

// Adds one draw of RandomBelow(amount) - amount / 2 to all three bytes of
// each pixel, clamped to 0..255. An amount below 1 changes nothing.
void AddNoise(const Pixels24& pixels, int amount);

}  // namespace catalogue
