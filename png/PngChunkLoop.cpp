#include "png/PngChunkLoop.h"

#include <cstring>

#include "png/PngErrors.h"
#include "png/PngFormat.h"

namespace png {

namespace {
bool IsType(const TChunkHeader& header, const char* name) { return std::memcmp(header.Type, name, 4) == 0; }
}  // namespace

void ReadPngChunks(classlib::TStream& stream, TPngChunkHandler& handler) {
  uint8_t signature[8];
  if (stream.Read(signature, 8) != 8 || std::memcmp(signature, kSignature.data(), 8) != 0)
    RaiseError<EPNGInvalidFileHeader>();
  bool hasIdat = false;
  bool idatRunRead = false;
  for (uint64_t count = 0;;) {
    const TChunkHeader header = ReadChunkHeader(stream);
    if (count == 0 && !IsType(header, "IHDR")) RaiseError<EPNGIHDRNotFirst>();
    // Each header allocates pixel buffers: a second one would let a crafted
    // file multiply the memory limit.
    if (count > 0 && IsType(header, "IHDR")) RaiseError<EPngInvalidIHDR>();
    const bool isIdat = IsType(header, "IDAT");
    if (IsType(header, "cHRM") || (isIdat && idatRunRead)) {
      SkipForward(stream, uint64_t{header.Length} + 4);
      continue;
    }
    ++count;
    if (isIdat) hasIdat = true;
    const bool goOn = handler.LoadChunk(stream, header);
    if (isIdat) idatRunRead = true;
    if (!goOn || IsType(header, "IEND")) break;
  }
  if (!hasIdat) RaiseError<EPNGNoImageData>();
}

}  // namespace png
