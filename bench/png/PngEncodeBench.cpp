// Encoding: the card screenshot (1200 x 820 RGB, zlib level 0, filter sub)
// and a 4096 x 4096 RGB photo (level 7, the default filter set: sub only),
// our portable writer (row conversion, filters, IDAT writer) from the stored
// layout against libpng from RGB rows, with the same settings (zlib's
// default strategy, as ours). Before timing, our output is decoded by
// libpng and must give the source pixels exactly.
#include <benchmark/benchmark.h>

#include <png.h>

#include <memory>

#include "bench/png/PngBenchImages.h"
#include "classlib/core/Stream.h"
#include "png/PngChunkIO.h"
#include "png/PngFormat.h"
#include "png/PngGamma.h"
#include "png/PngIdatWriter.h"
#include "png/PngImageView.h"

namespace {

using pngbench::TRawImage;

// Both encoders write into a vector reserved up front, so neither pays for
// growing its output and the timings hold only the encoding.
class TVectorSink : public classlib::TStream {
 public:
  explicit TVectorSink(size_t capacity) { bytes_.reserve(capacity); }
  int64_t Read(void*, int64_t) override { return 0; }
  int64_t Write(const void* buffer, int64_t count) override {
    const auto* p = static_cast<const uint8_t*>(buffer);
    bytes_.insert(bytes_.end(), p, p + count);
    return count;
  }
  int64_t Seek(int64_t, classlib::TSeekOrigin) override { return static_cast<int64_t>(bytes_.size()); }
  void SetSize(int64_t) override {}
  std::vector<uint8_t>& Bytes() { return bytes_; }

 private:
  std::vector<uint8_t> bytes_;
};

size_t OutputCapacity(const TRawImage& raw) { return raw.Pixels.size() + raw.Pixels.size() / 16 + 65536; }

// The source picture in both layouts: RGB rows for libpng, the stored
// bitmap (BGR, bottom-up, padded rows) for ours.
struct TEncodeSource {
  TRawImage Raw;
  png::TPngHeaderValues Header;
  std::unique_ptr<png::TPngImageBuffer> Stored;

  explicit TEncodeSource(TRawImage raw) : Raw(std::move(raw)) {
    Header.Width = Raw.Width;
    Header.Height = Raw.Height;
    Header.BitDepth = 8;
    Header.ColorType = png::COLOR_RGB;
    Stored = std::make_unique<png::TPngImageBuffer>(Header);
    const png::TPngImageView& view = Stored->View();
    for (uint32_t y = 0; y < Raw.Height; ++y) {
      const uint8_t* s = &Raw.Pixels[y * Raw.RowBytes()];
      uint8_t* d = view.Row(y);
      for (uint32_t x = 0; x < Raw.Width; ++x) {
        d[3 * x] = s[3 * x + 2];
        d[3 * x + 1] = s[3 * x + 1];
        d[3 * x + 2] = s[3 * x];
      }
    }
  }
};

const TEncodeSource& Screenshot() {
  static const TEncodeSource source(pngbench::MakeScreenshot(1200, 820));
  return source;
}

const TEncodeSource& Photo() {
  static const TEncodeSource source(pngbench::MakePhoto(4096, 4096, 3, 8));
  return source;
}

void EncodeOurs(const TEncodeSource& source, int level, classlib::TStream& stream) {
  static const png::TGammaTable identity = png::IdentityGamma();
  stream.WriteBuffer(png::kSignature.data(), 8);
  uint8_t ihdr[13];
  png::WriteHeader(source.Header, ihdr);
  png::WriteChunk(stream, "IHDR", ihdr, 13);
  png::TIdatWriteSettings settings;
  settings.Filters = png::pfSub;
  settings.CompressionLevel = level;
  png::WriteIdat(stream, source.Stored->View(), settings, identity.data());
  png::WriteChunk(stream, "IEND", nullptr, 0);
}

std::vector<uint8_t> EncodeLibpng(const TEncodeSource& source, int level, std::vector<uint8_t> out) {
  pngbench::TLibpngWriteSettings settings;
  settings.CompressionLevel = level;
  settings.Filters = PNG_FILTER_SUB;
  settings.DefaultStrategy = true;
  return pngbench::LibpngEncode(source.Raw, settings, std::move(out));
}

void BenchOurs(benchmark::State& state, const TEncodeSource& (*source)(), int level) {
  const TEncodeSource& s = source();
  TVectorSink checked(OutputCapacity(s.Raw));
  EncodeOurs(s, level, checked);
  const TRawImage decoded = pngbench::LibpngDecode(checked.Bytes());
  if (decoded.Pixels != s.Raw.Pixels) {
    state.SkipWithError("our file does not decode to the source pixels");
    return;
  }
  size_t bytes = 0;
  for (auto _ : state) {
    TVectorSink file(OutputCapacity(s.Raw));
    EncodeOurs(s, level, file);
    bytes = file.Bytes().size();
    benchmark::DoNotOptimize(file.Bytes().data());
  }
  state.counters["file_bytes"] = static_cast<double>(bytes);
}

void BenchLibpng(benchmark::State& state, const TEncodeSource& (*source)(), int level) {
  const TEncodeSource& s = source();
  size_t bytes = 0;
  for (auto _ : state) {
    std::vector<uint8_t> file;
    file.reserve(OutputCapacity(s.Raw));
    file = EncodeLibpng(s, level, std::move(file));
    bytes = file.size();
    benchmark::DoNotOptimize(file.data());
  }
  state.counters["file_bytes"] = static_cast<double>(bytes);
}

BENCHMARK_CAPTURE(BenchOurs, Screenshot1200x820_L0_sub, Screenshot, 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BenchLibpng, Screenshot1200x820_L0_sub, Screenshot, 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BenchOurs, Photo4096x4096_L7_sub, Photo, 7)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BenchLibpng, Photo4096x4096_L7_sub, Photo, 7)->Unit(benchmark::kMillisecond);

}  // namespace
