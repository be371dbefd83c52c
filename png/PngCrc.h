#pragma once
// The chunk checksum: CRC-32 with the reflected polynomial 0xEDB88320 over
// the type bytes and the data, started at 0xFFFFFFFF and inverted at the end.
#include <cstddef>
#include <cstdint>

namespace png {

inline constexpr uint32_t kCrcStart = 0xFFFFFFFFu;

// Adds bytes to a running (not yet inverted) CRC.
uint32_t UpdateCrc(uint32_t crc, const void* data, size_t size);

// The finished CRC of a chunk's type and data.
uint32_t ChunkCrc(const char type[4], const void* data, size_t size);

}  // namespace png
