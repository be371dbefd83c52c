#include "png/PngFilters.h"

namespace png {

void UnfilterRow(uint8_t type, uint8_t* row, const uint8_t* previous, size_t size, size_t offset) {
  switch (type) {
    case 1:
      for (size_t i = offset; i < size; ++i) row[i] = static_cast<uint8_t>(row[i] + row[i - offset]);
      break;
    case 2:
      for (size_t i = 0; i < size; ++i) row[i] = static_cast<uint8_t>(row[i] + previous[i]);
      break;
    case 3:
      for (size_t i = 0; i < size; ++i) {
        const unsigned a = i >= offset ? row[i - offset] : 0;
        row[i] = static_cast<uint8_t>(row[i] + ((a + previous[i]) >> 1));
      }
      break;
    case 4:
      for (size_t i = 0; i < size; ++i) {
        const uint8_t a = i >= offset ? row[i - offset] : 0;
        const uint8_t c = i >= offset ? previous[i - offset] : 0;
        row[i] = static_cast<uint8_t>(row[i] + PaethPredictor(a, previous[i], c));
      }
      break;
    default: break;
  }
}

void FilterRow(uint8_t type, const uint8_t* row, const uint8_t* previous, uint8_t* out, size_t size, size_t offset) {
  for (size_t i = 0; i < size; ++i) {
    const uint8_t a = i >= offset ? row[i - offset] : 0;
    const uint8_t b = previous[i];
    const uint8_t c = i >= offset ? previous[i - offset] : 0;
    uint8_t predictor = 0;
    switch (type) {
      case 1: predictor = a; break;
      case 2: predictor = b; break;
      case 3: predictor = static_cast<uint8_t>((unsigned{a} + b) >> 1); break;
      case 4: predictor = PaethPredictor(a, b, c); break;
      default: break;
    }
    out[i] = static_cast<uint8_t>(row[i] - predictor);
  }
}

size_t SimilarByteCount(const uint8_t* buffer, size_t size) {
  size_t count = 0;
  for (size_t j = 2; j < size; ++j)
    if (buffer[j] == buffer[j - 1] || buffer[j] == buffer[j - 2]) ++count;
  return count;
}

}  // namespace png
