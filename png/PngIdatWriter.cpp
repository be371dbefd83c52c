#include "png/PngIdatWriter.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <utility>
#include <vector>

#include <zlib.h>

#include "png/PngChunkIO.h"
#include "png/PngErrors.h"
#include "png/PngFilters.h"
#include "png/PngRows.h"

namespace png {

namespace {

constexpr char kIdat[4] = {'I', 'D', 'A', 'T'};
constexpr uint8_t kFlagOf[5] = {pfNone, pfSub, pfUp, pfAverage, pfPaeth};

int FilterCount(uint8_t filters) {
  int n = 0;
  for (uint8_t flag : kFlagOf) n += (filters & flag) ? 1 : 0;
  return n;
}

class TIdatDeflater {
 public:
  TIdatDeflater(classlib::TStream& stream, const TIdatWriteSettings& settings)
      : stream_(stream), output_(std::max<uint32_t>(settings.MaxIdatSize, 1)) {
    const int result = deflateInit(&zs_, std::clamp(settings.CompressionLevel, 0, 9));
    if (result != Z_OK) RaiseZlibError(result);
    ResetOutput();
  }
  ~TIdatDeflater() { deflateEnd(&zs_); }
  TIdatDeflater(const TIdatDeflater&) = delete;
  TIdatDeflater& operator=(const TIdatDeflater&) = delete;

  void Feed(const uint8_t* data, size_t size) {
    zs_.next_in = const_cast<Bytef*>(data);
    zs_.avail_in = static_cast<uInt>(size);
    while (zs_.avail_in > 0) {
      const int result = deflate(&zs_, Z_NO_FLUSH);
      if (result != Z_OK && result != Z_BUF_ERROR) RaiseZlibError(result);
      if (zs_.avail_out == 0) FlushOutput();
      else if (result == Z_BUF_ERROR) RaiseZlibError(result);  // no progress with room left: zlib is stuck
    }
  }

  void Finish() {
    zs_.next_in = nullptr;
    zs_.avail_in = 0;
    for (;;) {
      const int result = deflate(&zs_, Z_FINISH);
      if (result == Z_STREAM_END) break;
      if (result != Z_OK && result != Z_BUF_ERROR) RaiseZlibError(result);
      if (zs_.avail_out != 0) RaiseZlibError(result == Z_OK ? Z_STREAM_ERROR : result);
      FlushOutput();
    }
    if (zs_.avail_out < output_.size()) FlushOutput();
  }

 private:
  void ResetOutput() {
    zs_.next_out = output_.data();
    zs_.avail_out = static_cast<uInt>(output_.size());
  }
  void FlushOutput() {
    WriteChunk(stream_, kIdat, output_.data(), static_cast<uint32_t>(output_.size() - zs_.avail_out));
    ResetOutput();
  }

  classlib::TStream& stream_;
  std::vector<uint8_t> output_;
  z_stream zs_{};
};

}  // namespace

uint8_t ChooseFilter(uint8_t filters, const uint8_t* const buffers[5], size_t size) {
  const int present = FilterCount(filters);
  if (present == 0) return 0;
  if (present == 1) {
    for (uint8_t type = 0; type < 5; ++type)
      if (filters & kFlagOf[type]) return type;
  }
  uint8_t best = 0;
  size_t bestCount = 0;
  for (uint8_t type = 0; type < 5; ++type) {
    if (!(filters & kFlagOf[type])) continue;
    const size_t count = SimilarByteCount(buffers[type], size);
    if (count > bestCount) {
      best = type;
      bestCount = count;
    }
  }
  return best;
}

void WriteIdat(classlib::TStream& stream, const TPngImageView& source, const TIdatWriteSettings& settings,
               const uint8_t inverseGamma[256]) {
  // Bit depth 2 is held as 4-bit cells and written as a 4-bit image.
  TPngImageView image = source;
  if (image.BitDepth == 2) image.BitDepth = 4;
  const size_t offset = static_cast<size_t>(FilterOffset(image.ColorType, image.BitDepth));
  const size_t fullRow = BytesForPixels(image.Width, image.ColorType, image.BitDepth);

  // Every buffer holds one byte before the row, where the filter type goes,
  // so that the type and the row reach zlib in one call.
  std::vector<uint8_t> current(fullRow + 1), previous(fullRow + 1, 0);
  std::array<std::vector<uint8_t>, 5> filtered;
  for (uint8_t type = 1; type < 5; ++type)
    if (settings.Filters & kFlagOf[type]) filtered[type].resize(fullRow + 1);
  TIdatDeflater deflater(stream, settings);

  auto encodeLines = [&](TRowPlacement place, uint32_t lineStep) {
    const size_t size = BytesForPixels(place.PixelCount, image.ColorType, image.BitDepth);
    std::fill(previous.begin(), previous.end(), 0);
    if (size == 0) return;
    for (uint64_t line = place.Line; line < image.Height; line += lineStep) {
      place.Line = static_cast<uint32_t>(line);
      EncodeRow(image, place, current.data() + 1, inverseGamma);
      uint8_t* buffers[5] = {current.data() + 1, nullptr, nullptr, nullptr, nullptr};
      for (uint8_t type = 1; type < 5; ++type) {
        if (filtered[type].empty()) continue;
        FilterRow(type, current.data() + 1, previous.data() + 1, filtered[type].data() + 1, size, offset);
        buffers[type] = filtered[type].data() + 1;
      }
      const uint8_t* const choices[5] = {buffers[0], buffers[1], buffers[2], buffers[3], buffers[4]};
      const uint8_t type = ChooseFilter(settings.Filters, choices, size);
      buffers[type][-1] = type;
      deflater.Feed(buffers[type] - 1, size + 1);
      // The unfiltered row is the next row's "above".
      std::swap(current, previous);
    }
  };

  if (settings.InterlaceMethod == 0) {
    encodeLines(TRowPlacement{0, 0, 1, image.Width}, 1);
  } else if (settings.InterlaceMethod == 1) {
    for (const TAdam7Pass& pass : kAdam7)
      encodeLines(TRowPlacement{pass.RowStart, pass.ColumnStart, pass.ColumnIncrement, PassWidth(pass, image.Width)},
                  pass.RowIncrement);
  }
  deflater.Finish();
}

}  // namespace png
