#pragma once
// Reading and writing the common chunk layout: 32-bit big-endian data
// length, four type bytes, the data, the CRC of type and data.
//
// The file is untrusted: a length above 2^31 - 1 or one whose data and CRC
// would run past the end of the stream raises EPngUnexpectedEnd before
// anything is allocated or skipped, so skipping never moves backwards.
#include <cstdint>
#include <string>
#include <vector>

#include "classlib/core/Stream.h"

namespace png {

struct TChunkHeader {
  uint32_t Length = 0;
  char Type[4] = {0, 0, 0, 0};
  std::string TypeName() const { return std::string(Type, 4); }
};

// Reads a length and a type; EPngUnexpectedEnd when the stream ends first or
// the length cannot be right.
TChunkHeader ReadChunkHeader(classlib::TStream& stream);

// Reads exactly `count` bytes or raises EPngUnexpectedEnd.
void ReadExactly(classlib::TStream& stream, void* buffer, int64_t count);
uint32_t ReadCrcValue(classlib::TStream& stream);

// Moves forward over `count` bytes (never backwards, never past the end).
void SkipForward(classlib::TStream& stream, uint64_t count);

// Reads `size` data bytes and the CRC; a mismatch raises EPngInvalidCRC.
void ReadChunkData(classlib::TStream& stream, const char type[4], uint32_t size, std::vector<uint8_t>& data);

void WriteChunk(classlib::TStream& stream, const char type[4], const uint8_t* data, uint32_t size);

}  // namespace png
