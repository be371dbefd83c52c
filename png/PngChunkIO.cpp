#include "png/PngChunkIO.h"

#include "png/PngBytes.h"
#include "png/PngCrc.h"
#include "png/PngErrors.h"

namespace png {

using classlib::TSeekOrigin;
using classlib::TStream;

void ReadExactly(TStream& stream, void* buffer, int64_t count) {
  if (count > 0 && stream.Read(buffer, count) != count) RaiseError<EPngUnexpectedEnd>();
}

uint32_t ReadCrcValue(TStream& stream) {
  uint8_t b[4];
  ReadExactly(stream, b, 4);
  return ReadBE32(b);
}

TChunkHeader ReadChunkHeader(TStream& stream) {
  uint8_t b[8];
  ReadExactly(stream, b, 8);
  TChunkHeader header;
  header.Length = ReadBE32(b);
  for (int i = 0; i < 4; ++i) header.Type[i] = static_cast<char>(b[4 + i]);
  const int64_t left = stream.Size() - stream.Position();
  if (header.Length > 0x7FFFFFFFu || int64_t{header.Length} + 4 > left) RaiseError<EPngUnexpectedEnd>();
  return header;
}

void SkipForward(TStream& stream, uint64_t count) {
  const int64_t position = stream.Position();
  if (count > static_cast<uint64_t>(stream.Size() - position)) RaiseError<EPngUnexpectedEnd>();
  stream.Seek(static_cast<int64_t>(count), TSeekOrigin::soCurrent);
}

void ReadChunkData(TStream& stream, const char type[4], uint32_t size, std::vector<uint8_t>& data) {
  data.resize(size);
  ReadExactly(stream, data.data(), size);
  if (ReadCrcValue(stream) != ChunkCrc(type, data.data(), data.size())) RaiseError<EPngInvalidCRC>();
}

void WriteChunk(TStream& stream, const char type[4], const uint8_t* data, uint32_t size) {
  uint8_t head[8];
  WriteBE32(head, size);
  for (int i = 0; i < 4; ++i) head[4 + i] = static_cast<uint8_t>(type[i]);
  stream.WriteBuffer(head, 8);
  if (size) stream.WriteBuffer(data, size);
  uint8_t crc[4];
  WriteBE32(crc, ChunkCrc(type, data, size));
  stream.WriteBuffer(crc, 4);
}

}  // namespace png
