#pragma once
// Average and Paeth undone for pixels of 4, 6 and 8 bytes (8-bit RGBA,
// 16-bit RGB and RGBA) one whole pixel per step in a vector register: the
// left-neighbour dependency runs from pixel to pixel, not byte to byte. Same
// contract as the plain loops: `row` and `previous` hold `size` bytes, the
// first pixel is already undone, and nothing outside the rows is touched.
#include <cstddef>
#include <cstdint>

namespace png {

// False where the build has no vector form; the caller then runs its own.
bool UnfilterAverageWide(uint8_t* row, const uint8_t* previous, size_t size, size_t pixelBytes);
bool UnfilterPaethWide(uint8_t* row, const uint8_t* previous, size_t size, size_t pixelBytes);

}  // namespace png
