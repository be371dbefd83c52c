#pragma once
// Decodes a run of IDAT chunks. The usual file (every chunk of the run whole
// with a good CRC, a zlib stream that holds exactly the image's rows) is
// read in one go and inflated whole by libdeflate, about twice as fast as
// zlib. Anything else is read again from the run's start the streaming way,
// whose rules decide every byte and every error: the compressed data is
// inflated by zlib in reads of at most 65,535 bytes, one row at a time,
// through two alternating row buffers, with the running CRC of each chunk
// checked as the next one is reached. Data that ends early is not an error:
// the rows not decoded stay as they are (zero).
#include <cstdint>
#include <vector>

#include <zlib.h>

#include "classlib/core/Stream.h"
#include "png/PngImageView.h"

namespace png {

class TPngIdatReader {
 public:
  // The stream stands at the data of the first IDAT chunk, of `size` bytes.
  TPngIdatReader(classlib::TStream& stream, uint32_t size);
  ~TPngIdatReader();
  TPngIdatReader(const TPngIdatReader&) = delete;
  TPngIdatReader& operator=(const TPngIdatReader&) = delete;

  // Decodes the image (interlace 0: plain rows, 1: Adam7) and reads the CRC
  // of the last chunk of the run, after the data the rows did not need.
  // Raises EPngInvalidCRC, EPNGMissingMultipleIDAT, EPNGZLIBError or
  // EPngUnexpectedEnd.
  void Decode(const TPngImageView& image, uint8_t interlaceMethod, const uint8_t gamma[256]);

 private:
  // The whole-run path; false, with the stream back at the run's start and
  // the image untouched, when the streaming path could come out otherwise.
  bool DecodeWhole(const TPngImageView& image, uint8_t interlaceMethod, const uint8_t gamma[256]);
  // Reads the data of the run's chunks, checking each CRC; false when one
  // is short or wrong. Leaves the stream after the run's last CRC.
  bool ReadWholeRun(std::vector<uint8_t>& data);
  void DecodeStreaming(const TPngImageView& image, uint8_t interlaceMethod, const uint8_t gamma[256]);
  // Inflates up to `count` bytes; fewer when the compressed data ends.
  size_t Read(uint8_t* out, size_t count);
  // Moves to the next IDAT chunk of the run after checking this one's CRC.
  void NextChunk();
  void FinishChunk();

  classlib::TStream& stream_;
  z_stream zs_{};
  bool zlibReady_ = false;
  bool streamEnded_ = false;
  std::vector<uint8_t> input_;
  uint32_t crc_;
  int64_t dataEnd_;
};

}  // namespace png
