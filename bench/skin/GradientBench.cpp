// Section gradients over a 1920x1080 frame: vertical bands (one fill per
// row), horizontal bands (one row computed, then copied), and both mixed with
// a 64 x 64 texture as the opaque background painter does in one pass.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "skin/core/GradientData.h"
#include "skin/paint/Gradient.h"

namespace {

namespace paint = skin::paint;

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

struct Frame {
  std::vector<std::uint32_t> pixels = std::vector<std::uint32_t>(std::size_t{kWidth} * kHeight);
  paint::TPixelView View() { return paint::MakeView(pixels.data(), kWidth, kHeight, kWidth * 4); }
};

paint::TPixelView Texture() {
  static std::vector<std::uint32_t> texels = [] {
    std::vector<std::uint32_t> t(64 * 64);
    for (std::size_t i = 0; i < t.size(); ++i) t[i] = 0xFF000000u | static_cast<std::uint32_t>(i * 2654435761u >> 8);
    return t;
  }();
  return paint::MakeView(texels.data(), 64, 64, 64 * 4);
}

skin::TsGradientArray Steps(int mode) {
  const std::wstring m = std::to_wstring(mode);
  return skin::ParseGradientData(L"255;65280;40;" + m + L";0;65280;16711680;60;" + m + L";0");
}

void BM_Gradient(benchmark::State& state) {
  Frame frame;
  const skin::TsGradientArray steps = Steps(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    paint::PaintGradient(frame.View(), skin::TRect{0, 0, kWidth, kHeight}, steps);
    benchmark::DoNotOptimize(frame.pixels.data());
  }
  state.SetBytesProcessed(state.iterations() * std::int64_t{kWidth} * kHeight * 4);
}
BENCHMARK(BM_Gradient)->Arg(0)->Arg(1)->ArgName("mode");

void BM_GradientBlended(benchmark::State& state) {
  Frame frame;
  const skin::TsGradientArray steps = Steps(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    paint::PaintGradientBlended(frame.View(), skin::TRect{0, 0, kWidth, kHeight}, steps, 255, 76, skin::TRect{},
                                Texture());
    benchmark::DoNotOptimize(frame.pixels.data());
  }
  state.SetBytesProcessed(state.iterations() * std::int64_t{kWidth} * kHeight * 4);
}
BENCHMARK(BM_GradientBlended)->Arg(0)->Arg(1)->ArgName("mode");

}  // namespace
