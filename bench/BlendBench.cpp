// Blending a full-HD frame row by row: the plain forms against the SSE2 forms.
#include <benchmark/benchmark.h>

#include <cstring>
#include <random>
#include <vector>

#include "bitmap/Bmp32_Blend.h"
#include "bitmap/Bmp32_BlendPlain.h"
#include "bitmap/Bmp32_BlendSse2.h"

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

template <class RowOp>
void RunFrame(benchmark::State& state, RowOp row) {
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
}

void BlendLine_Plain(benchmark::State& state) { RunFrame(state, bmp32::plain::BlendRow); }
void CombineLine_Plain(benchmark::State& state) {
  RunFrame(state, [](const TColor32* s, TColor32* d, int n) { bmp32::plain::CombineRow(s, d, n, 100); });
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
BENCHMARK(CombineLine_Plain)->Unit(benchmark::kMillisecond);
BENCHMARK(MergeLine_Plain)->Unit(benchmark::kMillisecond);
BENCHMARK(MergePixel_Plain)->Unit(benchmark::kMillisecond);

#ifdef __SSE2__
void BlendLine_Sse2(benchmark::State& state) { RunFrame(state, bmp32::sse2::BlendRow); }
void CombineLine_Sse2(benchmark::State& state) {
  RunFrame(state, [](const TColor32* s, TColor32* d, int n) { bmp32::sse2::CombineRow(s, d, n, 100); });
}
void MergePixel_Sse2(benchmark::State& state) {
  RunFrame(state, [](const TColor32* s, TColor32* d, int n) { MergePixelRow(s, d, n, bmp32::sse2::MergePixel); });
}
BENCHMARK(BlendLine_Sse2)->Unit(benchmark::kMillisecond);
BENCHMARK(CombineLine_Sse2)->Unit(benchmark::kMillisecond);
BENCHMARK(MergePixel_Sse2)->Unit(benchmark::kMillisecond);
#endif

}  // namespace
