#include "png/PngIdatReader.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include <libdeflate.h>

#include "png/PngBytes.h"
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

namespace {

// Each pass's lines (plain: one pass of all lines), in file order.
template <typename Visit>
void ForEachPass(const TPngImageView& image, uint8_t interlaceMethod, Visit visit) {
  if (interlaceMethod == 0) {
    visit(TRowPlacement{0, 0, 1, image.Width}, 1u);
  } else if (interlaceMethod == 1) {
    for (const TAdam7Pass& pass : kAdam7)
      if (!visit(TRowPlacement{pass.RowStart, pass.ColumnStart, pass.ColumnIncrement, PassWidth(pass, image.Width)},
                 pass.RowIncrement))
        break;
  }
}

uint64_t LineCount(uint32_t height, uint32_t firstLine, uint32_t lineStep) {
  return height > firstLine ? (uint64_t{height} - firstLine + lineStep - 1) / lineStep : 0;
}

struct TDecompressor {
  libdeflate_decompressor* Handle = libdeflate_alloc_decompressor();
  ~TDecompressor() { libdeflate_free_decompressor(Handle); }
};

}  // namespace

void TPngIdatReader::Decode(const TPngImageView& image, uint8_t interlaceMethod, const uint8_t gamma[256]) {
  if (!DecodeWhole(image, interlaceMethod, gamma)) DecodeStreaming(image, interlaceMethod, gamma);
}

bool TPngIdatReader::ReadWholeRun(std::vector<uint8_t>& data) {
  int64_t chunkEnd = dataEnd_;
  for (;;) {
    const auto size = static_cast<size_t>(chunkEnd - stream_.Position());
    const size_t at = data.size();
    data.resize(at + size);
    uint8_t crc[4];
    if (stream_.Read(data.data() + at, static_cast<int64_t>(size)) != static_cast<int64_t>(size) ||
        stream_.Read(crc, 4) != 4)
      return false;
    const uint32_t expected = UpdateCrc(UpdateCrc(kCrcStart, kIdat, 4), data.data() + at, size);
    if (ReadBE32(crc) != ~expected) return false;
    // The run goes on while the next chunk is an IDAT one.
    const int64_t next = stream_.Position();
    uint8_t header[8];
    if (stream_.Read(header, 8) != 8 || std::memcmp(header + 4, kIdat, 4) != 0) {
      stream_.SetPosition(next);
      return true;
    }
    const uint32_t length = ReadBE32(header);
    if (int64_t{length} + 4 > stream_.Size() - stream_.Position()) return false;
    chunkEnd = stream_.Position() + length;
  }
}

// Why the result is the streaming path's own: when the whole zlib stream is
// valid and inflates to exactly the rows, zlib would give the same bytes with
// no error, stop in the chunk that completes the rows and check the CRCs up
// to it; the chunk walk then skips the rest of the run, which is read here.
bool TPngIdatReader::DecodeWhole(const TPngImageView& image, uint8_t interlaceMethod, const uint8_t gamma[256]) {
  if (interlaceMethod > 1) return false;
  uint64_t rawSize = 0;
  ForEachPass(image, interlaceMethod, [&](const TRowPlacement& first, uint32_t lineStep) {
    const size_t size = BytesForPixels(first.PixelCount, image.ColorType, image.BitDepth);
    if (size > 0) rawSize += (uint64_t{size} + 1) * LineCount(image.Height, first.Line, lineStep);
    return true;
  });
  if (rawSize == 0) return false;

  const int64_t runStart = stream_.Position();
  std::vector<uint8_t> compressed;
  // Written whole by a successful inflate, so not cleared first.
  const auto raw = std::make_unique_for_overwrite<uint8_t[]>(static_cast<size_t>(rawSize));
  TDecompressor decompressor;
  size_t written = 0;
  if (!decompressor.Handle || !ReadWholeRun(compressed) ||
      libdeflate_zlib_decompress(decompressor.Handle, compressed.data(), compressed.size(), raw.get(), rawSize,
                                 &written) != LIBDEFLATE_SUCCESS ||
      written != rawSize) {
    stream_.SetPosition(runStart);
    return false;
  }

  const size_t offset = static_cast<size_t>(FilterOffset(image.ColorType, image.BitDepth));
  const std::vector<uint8_t> zeroRow(BytesForPixels(image.Width, image.ColorType, image.BitDepth), 0);
  uint8_t* row = raw.get();
  ForEachPass(image, interlaceMethod, [&](const TRowPlacement& first, uint32_t lineStep) {
    const size_t size = BytesForPixels(first.PixelCount, image.ColorType, image.BitDepth);
    if (size == 0) return true;
    const uint8_t* previous = zeroRow.data();
    TRowPlacement place = first;
    for (uint64_t line = first.Line; line < image.Height; line += lineStep) {
      place.Line = static_cast<uint32_t>(line);
      UnfilterRow(row[0], row + 1, previous, size, offset);
      DecodeRow(image, place, row + 1, gamma);
      previous = row + 1;
      row += size + 1;
    }
    return true;
  });
  return true;
}

void TPngIdatReader::DecodeStreaming(const TPngImageView& image, uint8_t interlaceMethod, const uint8_t gamma[256]) {
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

  ForEachPass(image, interlaceMethod, [&](const TRowPlacement& first, uint32_t lineStep) {
    decodeLines(first, lineStep);
    return !stopped;
  });
  FinishChunk();
}

}  // namespace png
