#pragma once
// Counts the heap bytes in use, so a benchmark can tell what an operation
// allocates on top of the bitmaps it was given.
#include <cstddef>

namespace bench_support {

std::size_t HeapInUse();
// The most in use since the last ResetHeapPeak.
std::size_t HeapPeak();
void ResetHeapPeak();

}  // namespace bench_support
