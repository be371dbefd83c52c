#include "png/PngCrc.h"

#include <array>

namespace png {
namespace {

// Built on first use; a function-local static is thread-safe to initialise.
const std::array<uint32_t, 256>& CrcTable() {
  static const std::array<uint32_t, 256> table = [] {
    std::array<uint32_t, 256> t{};
    for (uint32_t n = 0; n < 256; ++n) {
      uint32_t c = n;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      t[n] = c;
    }
    return t;
  }();
  return table;
}

}  // namespace

uint32_t UpdateCrc(uint32_t crc, const void* data, size_t size) {
  const auto& table = CrcTable();
  const auto* p = static_cast<const uint8_t*>(data);
  for (size_t i = 0; i < size; ++i) crc = table[(crc ^ p[i]) & 0xFF] ^ (crc >> 8);
  return crc;
}

uint32_t ChunkCrc(const char type[4], const void* data, size_t size) {
  return ~UpdateCrc(UpdateCrc(kCrcStart, type, 4), data, size);
}

}  // namespace png
