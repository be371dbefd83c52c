#include "png/PngIdatReader.h"

#include <algorithm>
#include <cstring>

#include "png/PngChunkIO.h"
#include "png/PngCrc.h"
#include "png/PngErrors.h"
#include "png/PngFilters.h"
#include "png/PngRows.h"

namespace png {

namespace {
constexpr size_t kInputSize = 65535;
constexpr char kIdat[4] = {'I', 'D', 'A', 'T'};
}  // namespace

TPngIdatReader::TPngIdatReader(classlib::TStream& stream, uint32_t size)
    : stream_(stream), input_(kInputSize), crc_(UpdateCrc(kCrcStart, kIdat, 4)) {
  dataEnd_ = stream_.Position() + size;
  const int result = inflateInit(&zs_);
  if (result != Z_OK) RaiseZlibError(result);
  zlibReady_ = true;
}

TPngIdatReader::~TPngIdatReader() {
  if (zlibReady_) inflateEnd(&zs_);
}

void TPngIdatReader::NextChunk() {
  if (ReadCrcValue(stream_) != ~crc_) RaiseError<EPngInvalidCRC>();
  const TChunkHeader header = ReadChunkHeader(stream_);
  if (std::memcmp(header.Type, kIdat, 4) != 0) RaiseError<EPNGMissingMultipleIDAT>();
  crc_ = UpdateCrc(kCrcStart, header.Type, 4);
  dataEnd_ = stream_.Position() + header.Length;
}

size_t TPngIdatReader::Read(uint8_t* out, size_t count) {
  zs_.next_out = out;
  zs_.avail_out = static_cast<uInt>(count);
  while (zs_.avail_out > 0 && !streamEnded_) {
    if (zs_.avail_in == 0) {
      // Empty IDAT chunks are allowed anywhere in the run.
      while (stream_.Position() >= dataEnd_) NextChunk();
      const auto n = static_cast<size_t>(std::min<int64_t>(kInputSize, dataEnd_ - stream_.Position()));
      const int64_t got = stream_.Read(input_.data(), static_cast<int64_t>(n));
      if (got <= 0) break;
      crc_ = UpdateCrc(crc_, input_.data(), static_cast<size_t>(got));
      zs_.next_in = input_.data();
      zs_.avail_in = static_cast<uInt>(got);
    }
    const uInt inBefore = zs_.avail_in;
    const uInt outBefore = zs_.avail_out;
    const int result = inflate(&zs_, Z_NO_FLUSH);
    if (result == Z_NEED_DICT) RaiseZlibError(Z_DATA_ERROR);  // PNG streams have no preset dictionary
    if (result < 0) RaiseZlibError(result);
    if (result == Z_STREAM_END) streamEnded_ = true;
    else if (zs_.avail_in == inBefore && zs_.avail_out == outBefore) break;  // no progress: give up quietly
  }
  return count - zs_.avail_out;
}

void TPngIdatReader::FinishChunk() {
  // The part of the chunk the rows did not need still counts in its CRC.
  while (stream_.Position() < dataEnd_) {
    const auto n = static_cast<size_t>(std::min<int64_t>(kInputSize, dataEnd_ - stream_.Position()));
    ReadExactly(stream_, input_.data(), static_cast<int64_t>(n));
    crc_ = UpdateCrc(crc_, input_.data(), n);
  }
  if (ReadCrcValue(stream_) != ~crc_) RaiseError<EPngInvalidCRC>();
}

void TPngIdatReader::Decode(const TPngImageView& image, uint8_t interlaceMethod, const uint8_t gamma[256]) {
  const size_t offset = static_cast<size_t>(FilterOffset(image.ColorType, image.BitDepth));
  const size_t fullRow = BytesForPixels(image.Width, image.ColorType, image.BitDepth);
  std::vector<uint8_t> current(fullRow + 1, 0), previous(fullRow + 1, 0);
  bool stopped = false;

  auto decodeLines = [&](const TRowPlacement& first, uint32_t lineStep) {
    const size_t size = BytesForPixels(first.PixelCount, image.ColorType, image.BitDepth);
    std::fill(previous.begin(), previous.begin() + static_cast<std::ptrdiff_t>(size + 1), 0);
    if (size == 0) return;
    TRowPlacement place = first;
    for (uint64_t line = first.Line; line < image.Height && !stopped; line += lineStep) {
      place.Line = static_cast<uint32_t>(line);
      const size_t got = Read(current.data(), size + 1);
      if (got == 0) {
        stopped = true;
        break;
      }
      if (got < size + 1) {
        std::memset(current.data() + got, 0, size + 1 - got);
        stopped = true;
      }
      UnfilterRow(current[0], current.data() + 1, previous.data() + 1, size, offset);
      DecodeRow(image, place, current.data() + 1, gamma);
      std::swap(current, previous);
    }
  };

  if (interlaceMethod == 0) {
    decodeLines(TRowPlacement{0, 0, 1, image.Width}, 1);
  } else if (interlaceMethod == 1) {
    for (const TAdam7Pass& pass : kAdam7) {
      if (stopped) break;
      decodeLines(TRowPlacement{pass.RowStart, pass.ColumnStart, pass.ColumnIncrement, PassWidth(pass, image.Width)},
                  pass.RowIncrement);
    }
  }
  FinishChunk();
}

}  // namespace png
