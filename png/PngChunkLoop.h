#pragma once
// The reader's walk over a file: the signature, then chunk after chunk
// until IEND. The walk enforces the order rules; what a chunk means is the
// handler's business.
#include <cstdint>

#include "classlib/core/Stream.h"
#include "png/PngChunkIO.h"

namespace png {

class TPngChunkHandler {
 public:
  virtual ~TPngChunkHandler() = default;
  // Called with the stream at the chunk's data; must read the data and the
  // CRC (an IDAT chunk reads its whole run). Returning false ends the walk.
  virtual bool LoadChunk(classlib::TStream& stream, const TChunkHeader& header) = 0;
};

// Raises EPNGInvalidFileHeader for a wrong signature, EPNGIHDRNotFirst,
// EPngInvalidIHDR for a second IHDR, EPngUnexpectedEnd when the stream
// ends before IEND and EPNGNoImageData when no IDAT came. cHRM chunks, and IDAT chunks after the first run, are
// skipped without reaching the handler.
void ReadPngChunks(classlib::TStream& stream, TPngChunkHandler& handler);

}  // namespace png
