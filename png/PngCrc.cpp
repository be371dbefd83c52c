#include "png/PngCrc.h"

#include <zlib.h>

namespace png {

// zlib's crc32 computes this very CRC (reflected 0xEDB88320, finished values
// in and out) several times faster than a byte-at-a-time table, and zlib is
// linked anyway.
uint32_t UpdateCrc(uint32_t crc, const void* data, size_t size) {
  const auto* p = static_cast<const Bytef*>(data);
  uLong finished = ~crc;
  constexpr size_t kMaxStep = uInt{1} << 30;  // crc32 takes a uInt count
  while (size > 0) {
    const size_t step = size < kMaxStep ? size : kMaxStep;
    finished = crc32(finished, p, static_cast<uInt>(step));
    p += step;
    size -= step;
  }
  return ~static_cast<uint32_t>(finished);
}

uint32_t ChunkCrc(const char type[4], const void* data, size_t size) {
  return ~UpdateCrc(UpdateCrc(kCrcStart, type, 4), data, size);
}

}  // namespace png
