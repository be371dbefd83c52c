#pragma once
// Row filters: the predictors, undoing a filter when reading, and computing
// the filtered rows and choosing among them when writing. Rows are R bytes;
// `offset` is the bytes of one whole pixel (bytes before it have no left
// neighbour). All arithmetic is modulo 256.
#include <cstddef>
#include <cstdint>

namespace png {

inline uint8_t PaethPredictor(uint8_t a, uint8_t b, uint8_t c) {
  const int p = int{a} + int{b} - int{c};
  const int pa = p > a ? p - a : a - p;
  const int pb = p > b ? p - b : b - p;
  const int pc = p > c ? p - c : c - p;
  if (pa <= pb && pa <= pc) return a;
  if (pb <= pc) return b;
  return c;
}

// Undoes filter `type` on `row` in place, `previous` being the unfiltered
// row above (zeros for the first). Type 0 and unknown types change nothing.
void UnfilterRow(uint8_t type, uint8_t* row, const uint8_t* previous, size_t size, size_t offset);

// Writes filter `type` (1 sub, 2 up, 3 average, 4 Paeth) of `row` into `out`.
void FilterRow(uint8_t type, const uint8_t* row, const uint8_t* previous, uint8_t* out, size_t size, size_t offset);

// The similarity score the writer picks filters by: positions j from 2 to
// size - 1 whose byte equals the byte at j - 1 or j - 2.
size_t SimilarByteCount(const uint8_t* buffer, size_t size);

}  // namespace png
