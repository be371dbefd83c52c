// Blending a full-HD frame row by row: the plain forms against the SSE2 forms.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <random>
#include <vector>

#include "bitmap/Bmp32_Blend.h"
#include "bitmap/Bmp32_BlendPlain.h"
#include "bitmap/Bmp32_BlendSse2.h"

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

using bmp32::TColor32;

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

struct Frame {
  std::vector<TColor32> foreground;
  std::vector<TColor32> background;
  std::vector<TColor32> target;
};

// Foreground alphas spread over 0..255 with many fully transparent and
// opaque pixels, as in anti-aliased artwork; the background half opaque,
// half translucent, so the merge takes every path.
const Frame& TestFrame() {
  static const Frame frame = [] {
    Frame f;
    std::mt19937 rng(2026);
    f.foreground.resize(kWidth * kHeight);
    f.background.resize(kWidth * kHeight);
    for (TColor32& c : f.foreground) {
      c = static_cast<TColor32>(rng());
      const unsigned kind = rng() % 4;
      if (kind == 0) c &= 0x00FFFFFF;
      if (kind == 1) c |= 0xFF000000;
    }
    for (TColor32& c : f.background) {
      c = static_cast<TColor32>(rng());
      if (rng() % 2 == 0) c |= 0xFF000000;
    }
    f.target = f.background;
    return f;
  }();
  return frame;
}

// Each pixel of a blend row reads the source and the target and writes the
// target.
constexpr std::int64_t kBlendBytesPerPixel = 3 * sizeof(TColor32);

template <class RowOp>
void RunFrame(benchmark::State& state, RowOp row, std::int64_t bytesPerPixel = kBlendBytesPerPixel) {
  const Frame& frame = TestFrame();
  std::vector<TColor32> target = frame.background;
  for (auto _ : state) {
    state.PauseTiming();
    std::memcpy(target.data(), frame.background.data(), target.size() * sizeof(TColor32));
    state.ResumeTiming();
    for (int y = 0; y < kHeight; ++y)
      row(frame.foreground.data() + y * kWidth, target.data() + y * kWidth, kWidth);
    benchmark::DoNotOptimize(target.data());
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
  state.SetBytesProcessed(state.iterations() * kWidth * kHeight * bytesPerPixel);
}

// The combine forms at a fixed weight: 0 does nothing and 255 copies in both
// forms, every other weight costs the same, so a few spread weights show it.
void ApplyCombineWeights(benchmark::internal::Benchmark* b) {
  for (int w : {1, 64, 100, 128, 200, 254, 255}) b->Arg(w);
  b->ArgName("weight")->Unit(benchmark::kMillisecond);
}

void BlendLine_Plain(benchmark::State& state) { RunFrame(state, bmp32::plain::BlendRow); }
void CombineLine_Plain(benchmark::State& state) {
  const auto w = static_cast<std::uint32_t>(state.range(0));
  RunFrame(state, [w](const TColor32* s, TColor32* d, int n) { bmp32::plain::CombineRow(s, d, n, w); });
}
void MergeLine_Plain(benchmark::State& state) { RunFrame(state, bmp32::plain::MergeRow); }

// The merge row has a plain form only; its opaque-background path goes
// through the bound BlendPixel. The merge pixel forms are compared on their
// own below.
void MergePixelRow(const TColor32* s, TColor32* d, int n, bmp32::TBlendReg* merge) {
  for (int i = 0; i < n; ++i) d[i] = merge(s[i], d[i]);
}
void MergePixel_Plain(benchmark::State& state) {
  RunFrame(state, [](const TColor32* s, TColor32* d, int n) { MergePixelRow(s, d, n, bmp32::plain::MergePixel); });
}

BENCHMARK(BlendLine_Plain)->Unit(benchmark::kMillisecond);
BENCHMARK(CombineLine_Plain)->Apply(ApplyCombineWeights);
BENCHMARK(MergeLine_Plain)->Unit(benchmark::kMillisecond);
BENCHMARK(MergePixel_Plain)->Unit(benchmark::kMillisecond);

#ifdef __SSE2__
void BlendLine_Sse2(benchmark::State& state) { RunFrame(state, bmp32::sse2::BlendRow); }
void CombineLine_Sse2(benchmark::State& state) {
  const auto w = static_cast<std::uint32_t>(state.range(0));
  RunFrame(state, [w](const TColor32* s, TColor32* d, int n) { bmp32::sse2::CombineRow(s, d, n, w); });
}
void MergePixel_Sse2(benchmark::State& state) {
  RunFrame(state, [](const TColor32* s, TColor32* d, int n) { MergePixelRow(s, d, n, bmp32::sse2::MergePixel); });
}
BENCHMARK(BlendLine_Sse2)->Unit(benchmark::kMillisecond);
BENCHMARK(CombineLine_Sse2)->Apply(ApplyCombineWeights);
BENCHMARK(MergePixel_Sse2)->Unit(benchmark::kMillisecond);

// The floor under every row form above: the same bytes read and written with
// next to no work per pixel (a byte-wise average into the target), and a plain
// copy of the frame for the machine's copy bandwidth.
void RowTraffic_Average(benchmark::State& state) {
  RunFrame(state, [](const TColor32* s, TColor32* d, int n) {
    static_assert(kWidth % 4 == 0);
    for (int i = 0; i < n; i += 4) {
      const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i));
      const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(d + i));
      _mm_storeu_si128(reinterpret_cast<__m128i*>(d + i), _mm_avg_epu8(a, b));
    }
  });
}
void RowTraffic_Memcpy(benchmark::State& state) {
  RunFrame(
      state, [](const TColor32* s, TColor32* d, int n) { std::memcpy(d, s, n * sizeof(TColor32)); },
      2 * sizeof(TColor32));
}
BENCHMARK(RowTraffic_Average)->Unit(benchmark::kMillisecond);
BENCHMARK(RowTraffic_Memcpy)->Unit(benchmark::kMillisecond);
#endif

}  // namespace
