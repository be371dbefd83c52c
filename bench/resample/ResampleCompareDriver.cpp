// For compare_pillow.py: reads an opaque BGRA image, scales it as the card
// picture does, best of N runs, and writes the result.
//   resample_compare_driver IN.raw W H DW DH RUNS OUT.raw
// Prints "ms=<best> extra_heap_pct=<peak heap beyond source and destination>".
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <vector>

#include "bench/support/CountingAllocator.h"
#include "bench/resample/ResampleBenchSupport.h"

int main(int argc, char** argv) {
  if (argc != 8) {
    std::fprintf(stderr, "usage: %s IN.raw W H DW DH RUNS OUT.raw\n", argv[0]);
    return 2;
  }
  const int w = std::atoi(argv[2]), h = std::atoi(argv[3]), dw = std::atoi(argv[4]), dh = std::atoi(argv[5]);
  const int runs = std::atoi(argv[6]);
  std::ifstream in(argv[1], std::ios::binary);
  std::vector<std::uint8_t> pixels((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (pixels.size() != std::size_t(w) * h * 4) {
    std::fprintf(stderr, "input is not %dx%d BGRA\n", w, h);
    return 2;
  }
  const auto src = resample_bench::SourceFrom(pixels.data(), w, h);
  pixels = {};
  double best = 1e300, extra = 0;
  bmp32::TCustomBitmap32 dst;
  for (int i = 0; i < runs; ++i) {
    bmp32::TCustomBitmap32 fresh;
    const std::size_t before = bench_support::HeapInUse();
    bench_support::ResetHeapPeak();
    const auto start = std::chrono::steady_clock::now();
    resample_bench::Downscale(*src, fresh, dw, dh);
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    extra = (double(bench_support::HeapPeak() - before) - 4.0 * dw * dh) / (4.0 * (double(w) * h + double(dw) * dh)) * 100;
    if (took.count() < best) best = took.count();
    if (i + 1 == runs) dst.Assign(&fresh);
  }
  std::ofstream(argv[7], std::ios::binary)
      .write(reinterpret_cast<const char*>(dst.Bits()), std::streamsize(std::size_t(dw) * dh * 4));
  std::printf("ms=%.4f extra_heap_pct=%.3f\n", best, extra);
  return 0;
}
