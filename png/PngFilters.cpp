#include "png/PngFilters.h"

#include "png/PngUnfilterWide.h"

namespace png {

namespace {

// Average and Paeth carry a dependency from each pixel to the next; with
// the pixel size known at compile time the compiler keeps the left pixel in
// registers instead of reloading it byte by byte.
template <size_t kOffset>
void UnfilterAverage(uint8_t* row, const uint8_t* previous, size_t size) {
  for (size_t i = kOffset; i < size; ++i)
    row[i] = static_cast<uint8_t>(row[i] + ((unsigned{row[i - kOffset]} + previous[i]) >> 1));
}

template <size_t kOffset>
void UnfilterPaeth(uint8_t* row, const uint8_t* previous, size_t size) {
  for (size_t i = kOffset; i < size; ++i)
    row[i] = static_cast<uint8_t>(row[i] + PaethPredictor(row[i - kOffset], previous[i], previous[i - kOffset]));
}

using TUnfilter = void (*)(uint8_t*, const uint8_t*, size_t);

// Offsets 1..8 are every whole-pixel size the format has.
template <TUnfilter F1, TUnfilter F2, TUnfilter F3, TUnfilter F4, TUnfilter F6, TUnfilter F8>
TUnfilter Pick(size_t offset) {
  switch (offset) {
    case 1: return F1;
    case 2: return F2;
    case 3: return F3;
    case 4: return F4;
    case 6: return F6;
    case 8: return F8;
    default: return nullptr;
  }
}

}  // namespace

void UnfilterRow(uint8_t type, uint8_t* row, const uint8_t* previous, size_t size, size_t offset) {
  const size_t lead = offset < size ? offset : size;  // bytes without a left neighbour
  switch (type) {
    case 1:
      for (size_t i = offset; i < size; ++i) row[i] = static_cast<uint8_t>(row[i] + row[i - offset]);
      break;
    case 2:
      for (size_t i = 0; i < size; ++i) row[i] = static_cast<uint8_t>(row[i] + previous[i]);
      break;
    case 3: {
      for (size_t i = 0; i < lead; ++i) row[i] = static_cast<uint8_t>(row[i] + (previous[i] >> 1));
      if (UnfilterAverageWide(row, previous, size, offset)) break;
      if (TUnfilter f = Pick<UnfilterAverage<1>, UnfilterAverage<2>, UnfilterAverage<3>, UnfilterAverage<4>,
                             UnfilterAverage<6>, UnfilterAverage<8>>(offset)) {
        f(row, previous, size);
      } else {
        for (size_t i = offset; i < size; ++i)
          row[i] = static_cast<uint8_t>(row[i] + ((unsigned{row[i - offset]} + previous[i]) >> 1));
      }
      break;
    }
    case 4: {
      // With a = c = 0 the predictor is b.
      for (size_t i = 0; i < lead; ++i) row[i] = static_cast<uint8_t>(row[i] + previous[i]);
      if (UnfilterPaethWide(row, previous, size, offset)) break;
      if (TUnfilter f = Pick<UnfilterPaeth<1>, UnfilterPaeth<2>, UnfilterPaeth<3>, UnfilterPaeth<4>, UnfilterPaeth<6>,
                             UnfilterPaeth<8>>(offset)) {
        f(row, previous, size);
      } else {
        for (size_t i = offset; i < size; ++i)
          row[i] = static_cast<uint8_t>(row[i] + PaethPredictor(row[i - offset], previous[i], previous[i - offset]));
      }
      break;
    }
    default: break;
  }
}

void FilterRow(uint8_t type, const uint8_t* row, const uint8_t* previous, uint8_t* out, size_t size, size_t offset) {
  // One loop per type, the first pixel apart: the loops have no branches and
  // no dependency between bytes, so they vectorise.
  const size_t lead = offset < size ? offset : size;
  switch (type) {
    case 1:
      for (size_t i = 0; i < lead; ++i) out[i] = row[i];
      for (size_t i = lead; i < size; ++i) out[i] = static_cast<uint8_t>(row[i] - row[i - offset]);
      break;
    case 2:
      for (size_t i = 0; i < size; ++i) out[i] = static_cast<uint8_t>(row[i] - previous[i]);
      break;
    case 3:
      for (size_t i = 0; i < lead; ++i) out[i] = static_cast<uint8_t>(row[i] - (previous[i] >> 1));
      for (size_t i = lead; i < size; ++i)
        out[i] = static_cast<uint8_t>(row[i] - ((unsigned{row[i - offset]} + previous[i]) >> 1));
      break;
    case 4:
      for (size_t i = 0; i < lead; ++i) out[i] = static_cast<uint8_t>(row[i] - previous[i]);
      for (size_t i = lead; i < size; ++i)
        out[i] = static_cast<uint8_t>(row[i] - PaethPredictor(row[i - offset], previous[i], previous[i - offset]));
      break;
    default:
      for (size_t i = 0; i < size; ++i) out[i] = row[i];
      break;
  }
}

size_t SimilarByteCount(const uint8_t* buffer, size_t size) {
  size_t count = 0;
  for (size_t j = 2; j < size; ++j)
    if (buffer[j] == buffer[j - 1] || buffer[j] == buffer[j - 2]) ++count;
  return count;
}

}  // namespace png
