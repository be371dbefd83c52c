#pragma once
// Reads the samples of pixel (x, y) back out of the stored layout, as file
// samples, so tests can compare decoded images with the values written.
#include <cstdint>
#include <vector>

#include "png/PngImageView.h"

namespace pngtest {

inline std::vector<uint32_t> StoredSamples(const png::TPngImageView& v, uint32_t x, uint32_t y) {
  const uint8_t* row = v.Row(y);
  const uint8_t* extra = v.ExtraRow(y);
  const uint8_t* alpha = v.AlphaRow(y);
  const int depth = v.BitDepth;
  std::vector<uint32_t> s;
  switch (v.ColorType) {
    case 0:
    case 3: {
      if (depth == 16) {
        s.push_back((uint32_t{row[x]} << 8) | extra[x]);
      } else {
        const int bits = png::StoredBitsPerPixel(v.ColorType, v.BitDepth);
        const size_t bit = size_t{x} * bits;
        uint32_t cell = (row[bit / 8] >> (8 - bits - bit % 8)) & ((1u << bits) - 1);
        if (depth == 2 && v.ColorType == 0) cell >>= 2;
        s.push_back(cell);
      }
      break;
    }
    case 4:
      s.push_back(depth == 16 ? (uint32_t{row[x]} << 8) | extra[x] : row[x]);
      s.push_back(depth == 16 ? uint32_t{alpha[x]} << 8 : alpha[x]);
      break;
    default: {
      const uint8_t* p = row + 3 * x;
      const uint8_t* e = extra ? extra + 3 * x : nullptr;
      for (int i : {2, 1, 0}) s.push_back(depth == 16 ? (uint32_t{p[i]} << 8) | e[i] : p[i]);
      if (v.ColorType == 6) s.push_back(depth == 16 ? uint32_t{alpha[x]} << 8 : alpha[x]);
    }
  }
  return s;
}

}  // namespace pngtest
