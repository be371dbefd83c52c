// How much of a whole-image decode is inflating, and what libdeflate would
// save: the IDAT data of libpng-written files inflated in one go by zlib
// (as one buffer, the fastest zlib can do) and by libdeflate's zlib
// decompressor, into the same preallocated buffer. Both results are
// compared before timing. The codec inflates whole images with libdeflate;
// the skinning library's reader streams through zlib.
#include <benchmark/benchmark.h>
#include <libdeflate.h>
#include <zlib.h>

#include <cstring>

#include "bench/png/PngBenchImages.h"
#include "png/PngBytes.h"

namespace {

struct TInflateCase {
  std::vector<uint8_t> Idat;  // the zlib stream, chunks joined
  size_t RawSize = 0;
};

TInflateCase MakeCase(const pngbench::TRawImage& raw) {
  const std::vector<uint8_t> file = pngbench::LibpngEncode(raw, {});
  TInflateCase c;
  for (size_t at = 8; at + 12 <= file.size();) {
    const uint32_t length = png::ReadBE32(&file[at]);
    if (std::memcmp(&file[at + 4], "IDAT", 4) == 0)
      c.Idat.insert(c.Idat.end(), file.begin() + static_cast<std::ptrdiff_t>(at + 8),
                    file.begin() + static_cast<std::ptrdiff_t>(at + 8 + length));
    at += 12 + length;
  }
  c.RawSize = (raw.RowBytes() + 1) * raw.Height;
  return c;
}

const TInflateCase& Rgb8() {
  static const TInflateCase c = MakeCase(pngbench::MakePhoto(4000, 3000, 3, 8));
  return c;
}
const TInflateCase& Rgba8_2048() {
  static const TInflateCase c = MakeCase(pngbench::MakePhoto(2048, 2048, 4, 8));
  return c;
}

bool Zlib(const TInflateCase& c, std::vector<uint8_t>& out) {
  z_stream zs{};
  inflateInit(&zs);
  zs.next_in = const_cast<Bytef*>(c.Idat.data());
  zs.avail_in = static_cast<uInt>(c.Idat.size());
  zs.next_out = out.data();
  zs.avail_out = static_cast<uInt>(out.size());
  const int r = inflate(&zs, Z_FINISH);
  inflateEnd(&zs);
  return r == Z_STREAM_END;
}

bool Deflate(libdeflate_decompressor* d, const TInflateCase& c, std::vector<uint8_t>& out) {
  size_t written = 0;
  return libdeflate_zlib_decompress(d, c.Idat.data(), c.Idat.size(), out.data(), out.size(), &written) ==
             LIBDEFLATE_SUCCESS &&
         written == out.size();
}

void BenchZlib(benchmark::State& state, const TInflateCase& (*source)()) {
  const TInflateCase& c = source();
  std::vector<uint8_t> out(c.RawSize);
  for (auto _ : state) benchmark::DoNotOptimize(Zlib(c, out));
}

void BenchLibdeflate(benchmark::State& state, const TInflateCase& (*source)()) {
  const TInflateCase& c = source();
  std::vector<uint8_t> out(c.RawSize), reference(c.RawSize);
  libdeflate_decompressor* d = libdeflate_alloc_decompressor();
  if (!Zlib(c, reference) || !Deflate(d, c, out) || out != reference) state.SkipWithError("results differ");
  for (auto _ : state) benchmark::DoNotOptimize(Deflate(d, c, out));
  libdeflate_free_decompressor(d);
}

BENCHMARK_CAPTURE(BenchZlib, Rgb8_4000x3000, Rgb8)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BenchLibdeflate, Rgb8_4000x3000, Rgb8)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BenchZlib, Rgba8_2048, Rgba8_2048)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BenchLibdeflate, Rgba8_2048, Rgba8_2048)->Unit(benchmark::kMillisecond);

}  // namespace
