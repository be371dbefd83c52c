// The card picture's cover-fit scaling: camera photos down to the 298-pixel
// box, and a small picture up. "extra_heap_pct" is the peak heap the scaling
// takes beyond its source and destination, in percent of the two.
#include <benchmark/benchmark.h>

#include "bench/support/CountingAllocator.h"
#include "bench/resample/ResampleBenchSupport.h"

namespace {

void CoverFit(benchmark::State& state) {
  const auto sw = static_cast<std::int32_t>(state.range(0)), sh = static_cast<std::int32_t>(state.range(1));
  const auto dw = static_cast<std::int32_t>(state.range(2)), dh = static_cast<std::int32_t>(state.range(3));
  const auto src = resample_bench::NoiseSource(sw, sh);
  double extra = 0;
  for (auto _ : state) {
    bmp32::TCustomBitmap32 dst;
    const std::size_t before = bench_support::HeapInUse();
    bench_support::ResetHeapPeak();
    resample_bench::Downscale(*src, dst, dw, dh);
    const double images = 4.0 * (double(sw) * sh + double(dw) * dh);
    const double dstBytes = 4.0 * dw * dh;
    extra = (double(bench_support::HeapPeak() - before) - dstBytes) / images * 100.0;
    benchmark::DoNotOptimize(dst.Bits());
  }
  state.counters["extra_heap_pct"] = extra;
  state.SetItemsProcessed(state.iterations() * std::int64_t{sw} * sh);
}

BENCHMARK(CoverFit)
    ->Args({4000, 3000, 397, 298})
    ->Args({6000, 4000, 447, 298})
    ->Args({1920, 1080, 530, 298})
    ->Args({200, 150, 397, 298})
    ->Unit(benchmark::kMillisecond);

}  // namespace
