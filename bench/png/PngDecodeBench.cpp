// Decoding files written by libpng with its defaults (mixed filters, level
// 6): 4000 x 3000 RGB8 and RGBA8, a 2000 x 2000 Adam7 RGB8 image and a
// 2000 x 1500 RGB16 image, png::DecodePng from a memory stream against
// libpng reading into a full image buffer. Before timing, our pixels are
// compared with libpng's.
//
// Both sides allocate their image on every decode. Left alone, glibc gives
// a buffer of 32 MiB or more fresh pages from the system, or pages already
// touched when an earlier benchmark left a large free heap top: on a virtual
// machine where a fresh page costs microseconds, that swung libpng's RGB8
// time between 165 and 290 ms with the order the benchmarks ran in. So
// every buffer comes from a heap that is never given back, and the timings
// are the codecs' own. With GLIBC_TUNABLES set, its settings hold instead
// (glibc.malloc.mmap_threshold=131072 times fresh pages for both sides).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "bench/png/PngBenchImages.h"
#include "classlib/core/Stream.h"
#include "png/PngMemoryDecoder.h"

namespace {

using pngbench::TRawImage;

#if defined(__GLIBC__)
const bool kHeapOnlyBuffers = [] {
  if (std::getenv("GLIBC_TUNABLES") != nullptr) return false;
  mallopt(M_MMAP_MAX, 0);
  mallopt(M_TRIM_THRESHOLD, 0x7FFFFFFF);
  return true;
}();
#endif

struct TDecodeCase {
  TRawImage Raw;
  std::vector<uint8_t> File;
};

TDecodeCase MakeCase(TRawImage raw, bool interlaced) {
  pngbench::TLibpngWriteSettings settings;
  settings.Interlaced = interlaced;
  std::vector<uint8_t> file = pngbench::LibpngEncode(raw, settings);
  return TDecodeCase{std::move(raw), std::move(file)};
}

const TDecodeCase& Rgb8() {
  static const TDecodeCase c = MakeCase(pngbench::MakePhoto(4000, 3000, 3, 8), false);
  return c;
}
const TDecodeCase& Rgba8() {
  static const TDecodeCase c = MakeCase(pngbench::MakePhoto(4000, 3000, 4, 8), false);
  return c;
}
const TDecodeCase& Adam7() {
  static const TDecodeCase c = MakeCase(pngbench::MakePhoto(2000, 2000, 3, 8), true);
  return c;
}
const TDecodeCase& Rgb16() {
  static const TDecodeCase c = MakeCase(pngbench::MakePhoto(2000, 1500, 3, 16), false);
  return c;
}

png::TPngMemoryImage DecodeOurs(classlib::TMemoryStream& stream) {
  stream.SetPosition(0);
  return png::DecodePng(stream);
}

// Our stored layout holds each sample's high byte in the bitmap (BGR,
// bottom-up), the low byte of 16-bit samples in the side buffer and alpha
// apart.
bool SamePixels(const png::TPngMemoryImage& ours, const TRawImage& raw) {
  const png::TPngImageView& view = ours.Pixels->View();
  const int bytes = raw.BitDepth / 8;
  for (uint32_t y = 0; y < raw.Height; ++y) {
    const uint8_t* s = &raw.Pixels[y * raw.RowBytes()];
    const uint8_t* d = view.Row(y);
    const uint8_t* e = view.ExtraRow(y);
    const uint8_t* a = view.AlphaRow(y);
    for (uint32_t x = 0; x < raw.Width; ++x) {
      const uint8_t* p = s + size_t{x} * raw.Channels * bytes;
      for (int c = 0; c < 3; ++c) {
        if (d[3 * x + 2 - c] != p[c * bytes]) return false;
        if (bytes == 2 && e[3 * x + 2 - c] != p[c * bytes + 1]) return false;
      }
      if (raw.Channels == 4 && a[x] != p[3 * bytes]) return false;
    }
  }
  return true;
}

void BenchOurs(benchmark::State& state, const TDecodeCase& (*source)()) {
  const TDecodeCase& c = source();
  classlib::TMemoryStream stream;
  stream.WriteBuffer(c.File.data(), static_cast<int64_t>(c.File.size()));
  if (!SamePixels(DecodeOurs(stream), c.Raw)) {
    state.SkipWithError("our pixels differ from the source");
    return;
  }
  for (auto _ : state) {
    png::TPngMemoryImage image = DecodeOurs(stream);
    benchmark::DoNotOptimize(image.Pixels->View().Bits);
  }
  state.counters["file_bytes"] = static_cast<double>(c.File.size());
}

void BenchLibpng(benchmark::State& state, const TDecodeCase& (*source)()) {
  const TDecodeCase& c = source();
  if (pngbench::LibpngDecode(c.File).Pixels != c.Raw.Pixels) {
    state.SkipWithError("libpng's pixels differ from the source");
    return;
  }
  for (auto _ : state) {
    TRawImage image = pngbench::LibpngDecode(c.File);
    benchmark::DoNotOptimize(image.Pixels.data());
  }
  state.counters["file_bytes"] = static_cast<double>(c.File.size());
}

BENCHMARK_CAPTURE(BenchOurs, Rgb8_4000x3000, Rgb8)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BenchLibpng, Rgb8_4000x3000, Rgb8)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BenchOurs, Rgba8_4000x3000, Rgba8)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BenchLibpng, Rgba8_4000x3000, Rgba8)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BenchOurs, Adam7_Rgb8_2000x2000, Adam7)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BenchLibpng, Adam7_Rgb8_2000x2000, Adam7)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BenchOurs, Rgb16_2000x1500, Rgb16)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BenchLibpng, Rgb16_2000x1500, Rgb16)->Unit(benchmark::kMillisecond);

}  // namespace
