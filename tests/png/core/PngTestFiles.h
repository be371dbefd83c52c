#pragma once
// Builds PNG files by hand for the reader's tests: chunks with their CRC,
// IHDR data, zlib streams of raw rows. Independent of the codec's writer.
#include <zlib.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace pngtest {

using Bytes = std::vector<uint8_t>;

inline uint32_t Crc(const std::string& type, const Bytes& data) {
  uLong crc = crc32(0, reinterpret_cast<const Bytef*>(type.data()), 4);
  if (!data.empty()) crc = crc32(crc, data.data(), static_cast<uInt>(data.size()));  // a null buffer resets zlib's CRC
  return static_cast<uint32_t>(crc);
}

inline void PutBE32(Bytes& out, uint32_t v) {
  for (int s = 24; s >= 0; s -= 8) out.push_back(static_cast<uint8_t>(v >> s));
}

class PngFile {
 public:
  explicit PngFile(bool signature = true) {
    if (signature) bytes = {0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A};
  }
  PngFile& Chunk(const std::string& type, const Bytes& data) { return RawChunk(type, data, Crc(type, data)); }
  PngFile& RawChunk(const std::string& type, const Bytes& data, uint32_t crc) {
    PutBE32(bytes, static_cast<uint32_t>(data.size()));
    bytes.insert(bytes.end(), type.begin(), type.end());
    bytes.insert(bytes.end(), data.begin(), data.end());
    PutBE32(bytes, crc);
    return *this;
  }
  // The data cut into IDAT chunks of `piece` bytes (0: one chunk).
  PngFile& Idat(const Bytes& compressed, size_t piece = 0) {
    if (piece == 0 || compressed.empty()) return Chunk("IDAT", compressed);
    for (size_t at = 0; at < compressed.size(); at += piece)
      Chunk("IDAT", Bytes(compressed.begin() + static_cast<std::ptrdiff_t>(at),
                          compressed.begin() + static_cast<std::ptrdiff_t>(std::min(at + piece, compressed.size()))));
    return *this;
  }
  PngFile& End() { return Chunk("IEND", {}); }
  Bytes bytes;
};

inline Bytes Ihdr(uint32_t width, uint32_t height, uint8_t depth, uint8_t colorType, uint8_t interlace = 0,
                  uint8_t compression = 0) {
  Bytes d;
  PutBE32(d, width);
  PutBE32(d, height);
  d.insert(d.end(), {depth, colorType, compression, 0, interlace});
  return d;
}

inline Bytes Zlib(const Bytes& raw, int level = 6) {
  uLongf size = compressBound(static_cast<uLong>(raw.size()));
  Bytes out(size);
  compress2(out.data(), &size, raw.data(), static_cast<uLong>(raw.size()), level);
  out.resize(size);
  return out;
}

inline Bytes Inflate(const Bytes& data) {
  z_stream zs{};
  inflateInit(&zs);
  Bytes out;
  uint8_t buf[4096];
  zs.next_in = const_cast<Bytef*>(data.data());
  zs.avail_in = static_cast<uInt>(data.size());
  int r;
  do {
    zs.next_out = buf;
    zs.avail_out = sizeof buf;
    r = inflate(&zs, Z_NO_FLUSH);
    out.insert(out.end(), buf, buf + (sizeof buf - zs.avail_out));
  } while (r == Z_OK);
  inflateEnd(&zs);
  return out;
}

struct ChunkInfo {
  std::string type;
  Bytes data;
};

// The chunks of a file (after the signature), without CRC checks.
inline std::vector<ChunkInfo> ListChunks(const Bytes& file) {
  std::vector<ChunkInfo> chunks;
  for (size_t at = 8; at + 12 <= file.size();) {
    const uint32_t length = (uint32_t{file[at]} << 24) | (file[at + 1] << 16) | (file[at + 2] << 8) | file[at + 3];
    ChunkInfo c;
    c.type.assign(reinterpret_cast<const char*>(&file[at + 4]), 4);
    c.data.assign(file.begin() + static_cast<std::ptrdiff_t>(at + 8),
                  file.begin() + static_cast<std::ptrdiff_t>(at + 8 + length));
    chunks.push_back(c);
    at += 12 + length;
  }
  return chunks;
}

// Sample of channel `ch` at (x, y), `depth` bits wide: a fixed pattern that
// uses the whole range.
inline uint32_t Sample(uint32_t x, uint32_t y, int ch, int depth) {
  const uint32_t v = (x * 7 + y * 13 + static_cast<uint32_t>(ch) * 101 + x * y * 3) * 2654435761u;
  return (v >> 7) & ((1u << depth) - 1);
}

inline int Channels(int colorType) {
  switch (colorType) {
    case 0: case 3: return 1;
    case 2: return 3;
    case 4: return 2;
    default: return 4;
  }
}

// The raw (unfiltered, filter byte 0) rows of a w x h image of Sample values;
// Adam7 passes when interlaced. Palette indexes stay below `paletteSize`.
inline Bytes RawImage(uint32_t w, uint32_t h, int depth, int colorType, bool interlaced, int paletteSize = 256) {
  static const uint32_t rs[7] = {0, 0, 4, 0, 2, 0, 1}, cs[7] = {0, 4, 0, 2, 0, 1, 0};
  static const uint32_t ri[7] = {8, 8, 8, 4, 4, 2, 2}, ci[7] = {8, 8, 4, 4, 2, 2, 1};
  const int channels = Channels(colorType);
  Bytes raw;
  auto emitRow = [&](uint32_t y, uint32_t c0, uint32_t step, uint32_t count) {
    raw.push_back(0);
    uint32_t acc = 0;
    int bits = 0;
    for (uint32_t k = 0; k < count; ++k) {
      const uint32_t x = c0 + k * step;
      for (int ch = 0; ch < channels; ++ch) {
        uint32_t s = Sample(x, y, ch, depth);
        if (colorType == 3) s %= static_cast<uint32_t>(paletteSize);
        if (depth == 16) {
          raw.push_back(static_cast<uint8_t>(s >> 8));
          raw.push_back(static_cast<uint8_t>(s));
        } else {
          acc = (acc << depth) | s;
          bits += depth;
          if (bits == 8) raw.push_back(static_cast<uint8_t>(acc)), acc = 0, bits = 0;
        }
      }
    }
    if (bits) raw.push_back(static_cast<uint8_t>(acc << (8 - bits)));
  };
  if (!interlaced) {
    for (uint32_t y = 0; y < h; ++y) emitRow(y, 0, 1, w);
  } else {
    for (int p = 0; p < 7; ++p) {
      const uint32_t pw = w > cs[p] ? (w - cs[p] + ci[p] - 1) / ci[p] : 0;
      if (pw == 0) continue;
      for (uint32_t y = rs[p]; y < h; y += ri[p]) emitRow(y, cs[p], ci[p], pw);
    }
  }
  return raw;
}

}  // namespace pngtest
