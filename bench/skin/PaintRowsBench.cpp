// The skin painters' hot rows over a 1920x1080 frame, row by row: each plain
// form beside its SSE2 twin, and a floor that moves the same bytes as the
// masked blend with next to no work per pixel. "heap_left" is what the rows
// of all frames left on the heap and "heap_peak" the most they took at once:
// both 0, as the rows allocate nothing.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <random>
#include <vector>

#include "bench/support/CountingAllocator.h"
#include "skin/paint/PixelRows.h"
#include "skin/paint/PixelRowsSse2.h"

namespace {

namespace paint = skin::paint;
using Pixels = std::vector<std::uint32_t>;

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr std::int64_t kFramePixels = std::int64_t{kWidth} * kHeight;

// Random colours with one source pixel in sixteen the key colour and one
// mask pixel in eight fully open or fully closed, as in a frame piece.
struct Frame {
  Pixels dst, src, mask;
};

const Frame& TestFrame() {
  static const Frame frame = [] {
    Frame f;
    std::mt19937 rng(2026);
    for (Pixels* p : {&f.dst, &f.src, &f.mask}) {
      p->resize(kFramePixels);
      for (std::uint32_t& c : *p) c = static_cast<std::uint32_t>(rng());
    }
    for (std::int64_t i = 0; i < kFramePixels; ++i) {
      if (rng() % 16 == 0) f.src[i] = paint::KeyPixel;
      const unsigned kind = rng() % 16;
      if (kind == 0) f.mask[i] = 0;
      if (kind == 1) f.mask[i] = 0x00FFFFFFu;
    }
    return f;
  }();
  return frame;
}

// Runs `row(dstRow, srcRow, maskRow, width)` over every row of a fresh copy
// of the frame's destination, `bytesPerPixel` being what it reads and writes.
template <class RowOp>
void RunFrame(benchmark::State& state, RowOp row, std::int64_t bytesPerPixel) {
  const Frame& frame = TestFrame();
  Pixels target = frame.dst;
  // Counted around the rows alone: the benchmark's own bookkeeping may
  // allocate between frames.
  std::int64_t heapLeft = 0;
  std::size_t heapPeak = 0;
  for (auto _ : state) {
    state.PauseTiming();
    std::memcpy(target.data(), frame.dst.data(), target.size() * sizeof(std::uint32_t));
    state.ResumeTiming();
    const std::size_t heapBefore = bench_support::HeapInUse();
    bench_support::ResetHeapPeak();
    for (int y = 0; y < kHeight; ++y) {
      const std::int64_t at = std::int64_t{y} * kWidth;
      row(target.data() + at, frame.src.data() + at, frame.mask.data() + at, kWidth);
    }
    benchmark::DoNotOptimize(target.data());
    benchmark::ClobberMemory();
    heapLeft += std::int64_t(bench_support::HeapInUse()) - std::int64_t(heapBefore);
    heapPeak = std::max(heapPeak, bench_support::HeapPeak() - heapBefore);
  }
  state.counters["heap_left"] = double(heapLeft);
  state.counters["heap_peak"] = double(heapPeak);
  state.SetItemsProcessed(state.iterations() * kFramePixels);
  state.SetBytesProcessed(state.iterations() * kFramePixels * bytesPerPixel);
}

// Reads destination, source and mask, writes the destination.
constexpr std::int64_t kMaskRowBytes = 4 * sizeof(std::uint32_t);
constexpr std::int64_t kConstRowBytes = 3 * sizeof(std::uint32_t);
constexpr std::int64_t kInPlaceRowBytes = 2 * sizeof(std::uint32_t);
constexpr std::int64_t kFillBytes = sizeof(std::uint32_t);

// The painters' usual mode: keys leave the destination, alpha kept.
void MaskBlend(benchmark::State& state, paint::TBlendRowByMask* blend) {
  RunFrame(
      state,
      [blend](std::uint32_t* d, const std::uint32_t* s, const std::uint32_t* m, int n) {
        blend(d, s, m, n, paint::mrSkipKeys);
      },
      kMaskRowBytes);
}

// The floor: the same loads and store as the masked blend, one cheap
// operation between them, left to the compiler to vectorise.
__attribute__((noinline)) void TrafficRow(std::uint32_t* d, const std::uint32_t* s, const std::uint32_t* m,
                                          int n) {
  for (int i = 0; i < n; ++i) d[i] = (d[i] ^ s[i]) & m[i];
}
void MaskBlendFloor(benchmark::State& state) { RunFrame(state, TrafficRow, kMaskRowBytes); }

void ConstBlend(benchmark::State& state, paint::TBlendRowConst* blend) {
  RunFrame(
      state,
      [blend](std::uint32_t* d, const std::uint32_t* s, const std::uint32_t*, int n) { blend(d, s, n, 100); },
      kConstRowBytes);
}

void Premultiply(benchmark::State& state, paint::TPremultiplyRow* premultiply) {
  RunFrame(
      state,
      [premultiply](std::uint32_t* d, const std::uint32_t*, const std::uint32_t*, int n) { premultiply(d, n); },
      kInPlaceRowBytes);
}

void Fill(benchmark::State& state, paint::TFillDWords* fill) {
  RunFrame(
      state,
      [fill](std::uint32_t* d, const std::uint32_t*, const std::uint32_t*, int n) { fill(d, n, 0xFF336699u); },
      kFillBytes);
}

BENCHMARK_CAPTURE(MaskBlend, plain, paint::plain::BlendRowByMask)->Unit(benchmark::kMillisecond);
#ifdef __SSE2__
BENCHMARK_CAPTURE(MaskBlend, sse2, paint::sse2::BlendRowByMask)->Unit(benchmark::kMillisecond);
#endif
BENCHMARK(MaskBlendFloor)->Unit(benchmark::kMillisecond);

BENCHMARK_CAPTURE(ConstBlend, plain, paint::plain::BlendRowConst)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Premultiply, plain, paint::plain::PremultiplyRow)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Fill, plain, paint::plain::FillDWords)->Unit(benchmark::kMillisecond);
#ifdef __SSE2__
BENCHMARK_CAPTURE(ConstBlend, sse2, paint::sse2::BlendRowConst)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Premultiply, sse2, paint::sse2::PremultiplyRow)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Fill, sse2, paint::sse2::FillDWords)->Unit(benchmark::kMillisecond);
#endif

}  // namespace
